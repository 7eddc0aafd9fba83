#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationMelodraListController
    : public LumoraSpecifierFilePage<LumoraConfigurationMelodraListController> {
    OBJC_CLASS(LumoraConfigurationMelodraListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationMelodra";
};
