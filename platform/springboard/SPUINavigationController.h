#pragma once

#include "uikit/UINavigationController.h"

namespace springboard {

// The search page's navigation controller (9.x), with its navigation bar.
class SPUINavigationController : public UINavigationController {
    OBJC_CLASS(SPUINavigationController, UINavigationController)
public:
    static void registerMethods(Class);
    // Makes the controller through the replaceable initWithRootViewController:.
    static std::shared_ptr<SPUINavigationController> createWithRootViewController(
        const std::shared_ptr<UIViewController>&);

private:
    id ownInitWithRootViewController(std::shared_ptr<NSObject> root);
};

} // namespace springboard
