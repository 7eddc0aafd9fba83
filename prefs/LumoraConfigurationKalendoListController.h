#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationKalendoListController
    : public LumoraSpecifierFilePage<LumoraConfigurationKalendoListController> {
    OBJC_CLASS(LumoraConfigurationKalendoListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationKalendo";
};
