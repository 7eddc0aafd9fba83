#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationSkipraAppListListController
    : public LumoraSpecifierFilePage<LumoraConfigurationSkipraAppListListController> {
    OBJC_CLASS(LumoraConfigurationSkipraAppListListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationSkipraAppList";
};
