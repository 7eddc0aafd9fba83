#pragma once

#include "objc/Make.h"
#include "uikit/UIView.h"

#include <memory>

class LMSettings;

// The now-playing strip, just above the app launcher.
class LMMelodraView : public UIView {
    OBJC_CLASS(LMMelodraView, UIView)
public:
    explicit LMMelodraView(objc::ConstructionKey) { }

    // The strip's height, whatever the panel's size.
    static constexpr CGFloat stripHeight = 40.0;

    // Makes the strip and starts its refresh (what `new` does).
    static std::shared_ptr<LMMelodraView> create();

    // Positions the strip from the panel's bounds and lays out its subviews.
    void changeFrame(CGRect rect);

    const std::shared_ptr<UIView>& backgroundView() const { return m_backgroundView; }

private:
    friend struct objc::Construction;
    void init();

    std::shared_ptr<LMSettings> m_settings;
    std::shared_ptr<UIView> m_backgroundView;
};
