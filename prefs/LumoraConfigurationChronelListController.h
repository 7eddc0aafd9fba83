#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationChronelListController
    : public LumoraSpecifierFilePage<LumoraConfigurationChronelListController> {
    OBJC_CLASS(LumoraConfigurationChronelListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationChronel";
};
