#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationForecastListController
    : public LumoraSpecifierFilePage<LumoraConfigurationForecastListController> {
    OBJC_CLASS(LumoraConfigurationForecastListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationForecast";
};
