#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationMissivaListController
    : public LumoraSpecifierFilePage<LumoraConfigurationMissivaListController> {
    OBJC_CLASS(LumoraConfigurationMissivaListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationMissiva";
};
