#pragma once

#include "uikit/UIImageView.h"

#include <memory>

namespace contracts {
class OBAppItem;
class SBApplication;
}

// One icon of the app launcher: it shows the app's icon and remembers the app a tap opens.
class LMAppLauncherAppIconImageView : public UIImageView {
    OBJC_CLASS(LMAppLauncherAppIconImageView, UIImageView)
public:
    // initWithAppItem:: the item's icon and app, taking touches; the caller sets the frame.
    static std::shared_ptr<LMAppLauncherAppIconImageView> create(contracts::OBAppItem&);

    const std::shared_ptr<contracts::SBApplication>& app() const { return m_app; }
    void setApp(std::shared_ptr<contracts::SBApplication> app) { m_app = std::move(app); }

private:
    std::shared_ptr<contracts::SBApplication> m_app;
};
