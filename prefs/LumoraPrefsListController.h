#pragma once

#include "prefs/LumoraSpecifierFilePage.h"
#include "uikit/UIAlertViewDelegate.h"

#include <string_view>

class UINavigationController;

// The bundle's first page. Made before any other of its pages, it fills the colour table; it
// puts a share button in the navigation bar, tints the bar while it is shown and gives the bar
// back its own colours when it goes, and offers a support message.
class LumoraPrefsListController : public LumoraSpecifierFilePage<LumoraPrefsListController>,
                                  public UIAlertViewDelegate {
    OBJC_CLASS(LumoraPrefsListController, PSListController)
public:
    static constexpr const char* specifierFile = "LumoraPrefs";
    static constexpr std::string_view shareImageName = "Like";

    void init() override;
    void loadView() override;
    void viewWillAppear(bool animated) override;
    void viewWillDisappear(bool animated) override;

    void shareButtonPressed();
    void support();
    // "Go" in the support alert opens the maker's profile.
    void clickedButtonAtIndex(UIAlertView*, NSInteger) override;
    // The outermost navigation controller: the Settings app's own rather than a nested one.
    std::shared_ptr<UINavigationController> realNavigationController() const;

    static std::string shareText();
    static void registerClass();
};
