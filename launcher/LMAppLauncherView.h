#pragma once

#include "objc/Make.h"
#include "uikit/UIView.h"

#include <memory>

class LMSettings;
class UITapGestureRecognizer;

// The strip of app shortcuts along the bottom of the panel.
class LMAppLauncherView : public UIView {
    OBJC_CLASS(LMAppLauncherView, UIView)
public:
    explicit LMAppLauncherView(objc::ConstructionKey) { }

    // Makes the strip (what `new` does).
    static std::shared_ptr<LMAppLauncherView> create();

    // Sets the strip's frame from the panel's bounds.
    void changeFrame(CGRect rect);
    // Rebuilds the row of icons for the current frame.
    void update();
    void appIconSingleTapRecognizer(UITapGestureRecognizer*);

private:
    friend struct objc::Construction;
    void init();

    std::shared_ptr<LMSettings> m_settings;
};
