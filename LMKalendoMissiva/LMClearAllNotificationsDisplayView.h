#pragma once

#include "overlays/LMDisplayOverlay.h"

#include <memory>

class UIButton;

// One large button that removes the notifications of every section the panel's table shows.
// Opening the overlay is the only confirmation asked. The home button does not close it.
class LMClearAllNotificationsDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMClearAllNotificationsDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMClearAllNotificationsDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMClearAllNotificationsDisplayView> create();

    void updateFrame() override;
    // Does nothing unless the overlay is open.
    void clearAllNotificationsButtonReleased(UIButton*);

    const std::shared_ptr<UIButton>& clearAllNotificationsButton() const
    {
        return m_clearAllNotificationsButton;
    }

protected:
    bool resetsLockScreenDim() const override;

private:
    void buildContent();

    std::shared_ptr<UIButton> m_clearAllNotificationsButton;
};
