#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIResponder.h"

#include <memory>
#include <string>
#include <string_view>
#include <vector>

class UITouch;
class UIWindow;

enum UITouchPhase : NSInteger {
    UITouchPhaseBegan = 0,
    UITouchPhaseMoved = 1,
    UITouchPhaseEnded = 3,
};

// The running application: the windows it shows and the touches on their way to them. There is
// one per simulated process: a plain one until the host installs its own (SpringBoard installs
// its application object when it boots).
//
// The screen is the windows that are not hidden, stacked by level; the renderer draws it and the
// touch simulator hit-tests it, topmost window first.
class UIApplication : public UIResponder {
    OBJC_CLASS(UIApplication, UIResponder)
public:
    static std::shared_ptr<UIApplication> sharedApplication();
    static void setSharedApplication(std::shared_ptr<UIApplication>);

    // The windows made key and visible in this process and still alive, bottom to top: by level,
    // then in the order they were last made key and visible. Hidden ones included.
    std::vector<std::shared_ptr<UIWindow>> windows() const;
    // The windows that are not hidden, bottom to top.
    std::vector<std::shared_ptr<UIWindow>> windowsOnScreen() const;
    // The window last made key and visible that is not hidden.
    std::shared_ptr<UIWindow> keyWindow() const;
    void windowDidBecomeKeyAndVisible(const std::shared_ptr<UIWindow>&);

    // Addresses are opened by the app that claims their scheme. The schemes belong to the
    // device (its installed apps); http and https always open, in the browser. Every address
    // opened is recorded, in order, for whoever watches the device.
    bool canOpenURL(std::string_view url) const;
    // Whether an app took the address; one that no app claims opens nothing and is not recorded.
    bool openURL(std::string_view url);
    static void setClaimedURLSchemes(std::vector<std::string>);
    static const std::vector<std::string>& claimedURLSchemes();
    static const std::vector<std::string>& openedURLs();

    // Every touch passes here on its way to the views (the touch dispatcher). A subclass may
    // watch touches, or hold back a touch that begins (its later phases then reach nothing).
    virtual void sendEvent(const std::shared_ptr<UITouch>&, UITouchPhase);
};
