#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationAmpiroListController
    : public LumoraSpecifierFilePage<LumoraConfigurationAmpiroListController> {
    OBJC_CLASS(LumoraConfigurationAmpiroListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationAmpiro";
};
