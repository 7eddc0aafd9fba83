#pragma once

#include "prefs/LumoraSpecifierFilePage.h"
#include "uikit/UIAlertViewDelegate.h"

// The page of the modules, with the button that restarts the home screen so that every setting
// is read afresh; it asks first.
class LumoraConfigurationListController : public LumoraSpecifierFilePage<LumoraConfigurationListController>,
                                          public UIAlertViewDelegate {
    OBJC_CLASS(LumoraConfigurationListController, PSListController)
public:
    static constexpr const char* specifierFile = "LumoraConfiguration";

    void respring();
    void clickedButtonAtIndex(UIAlertView*, NSInteger) override;

    static void registerClass();
};
