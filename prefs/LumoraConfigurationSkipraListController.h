#pragma once

#include "prefs/LumoraSpecifierFilePage.h"

class LumoraConfigurationSkipraListController
    : public LumoraSpecifierFilePage<LumoraConfigurationSkipraListController> {
    OBJC_CLASS(LumoraConfigurationSkipraListController, PSListController)
public:
    static constexpr const char* specifierFile = "Configuration/LumoraConfigurationSkipra";
};
