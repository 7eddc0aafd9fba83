#include "uikit/UIWindow.h"

#include "uikit/UIApplication.h"

void UIWindow::makeKeyAndVisible()
{
    setHidden(false);
    UIApplication::sharedApplication()->windowDidBecomeKeyAndVisible(
        std::static_pointer_cast<UIWindow>(shared_from_this()));
}
