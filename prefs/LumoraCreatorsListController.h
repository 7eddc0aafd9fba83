#pragma once

#include "prefs/LumoraSpecifierFilePage.h"
#include "uikit/UIAlertViewDelegate.h"

// The credits: a web-site row and a social row for each of the two credited parties. Each row
// asks first, in an alert, and "Go" opens the address.
class LumoraCreatorsListController : public LumoraSpecifierFilePage<LumoraCreatorsListController>,
                                     public UIAlertViewDelegate {
    OBJC_CLASS(LumoraCreatorsListController, PSListController)
public:
    static constexpr const char* specifierFile = "LumoraCreators";

    void website();
    void twitter();
    void loadTwitter();
    void website2();
    void twitter2();
    void loadTwitter2();
    void clickedButtonAtIndex(UIAlertView*, NSInteger) override;

    static void registerClass();

private:
    void ask(const std::string& title, const std::string& message, long tag);
};
