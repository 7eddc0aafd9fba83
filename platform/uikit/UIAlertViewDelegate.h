#pragma once

#include "foundation/NSObjCRuntime.h"

class UIAlertView;

// What an alert tells its delegate.
class UIAlertViewDelegate {
public:
    virtual ~UIAlertViewDelegate() = default;

    // alertView:clickedButtonAtIndex: — the user pressed a button; the alert closes afterwards.
    virtual void clickedButtonAtIndex(UIAlertView*, NSInteger) { }
};
