#pragma once

#include "contracts/OBContainerView.h"

#include <memory>

class LMSettings;

// What the overlays presented in the support library's container window share: made hidden,
// closed by a tap outside their controls, laid out (and refreshed) as they show, and the lock
// screen's idle countdown restarted as they show and hide when their module's setting says so.
class LMContainerOverlay : public OBContainerView {
    OBJC_CLASS(LMContainerOverlay, OBContainerView)
public:
    bool init() override;
    void show() override;
    void viewWillShow() override;
    void viewWillHide() override;

    const std::shared_ptr<LMSettings>& settings() const { return m_settings; }

protected:
    // Makes a T and runs its set-up, as `new` does; nothing when the base could not be made.
    template <class T> static std::shared_ptr<T> make()
    {
        auto overlay = std::make_shared<T>();
        return overlay->init() ? overlay : nullptr;
    }

    // The module's dim-reset setting, read afresh.
    virtual bool resetsLockScreenDim() const = 0;
    // Content refreshed on every showing, after the layout.
    virtual void refreshContent() { }

private:
    std::shared_ptr<LMSettings> m_settings;
};
