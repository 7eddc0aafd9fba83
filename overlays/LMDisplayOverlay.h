#pragma once

#include "contracts/OBDisplayView.h"
#include "contracts/OBDisplayViewProtocol.h"
#include "foundation/NSObjCRuntime.h"

#include <memory>

class LMSettings;
class UIColor;
class UIFont;
class UIImage;
class UIImageView;
class UILabel;
class UIWindow;

// What the overlays living in SpringBoard's root window share: made hidden with the base's
// container view inside, placed in the root window their source unit captured (or in no window
// when none was captured yet), animated in and out by the base, and the lock screen's idle
// countdown restarted after each when their module's setting says so.
class LMDisplayOverlay : public OBDisplayView, public OBDisplayViewProtocol {
    OBJC_CLASS(LMDisplayOverlay, OBDisplayView)
public:
    // The common preamble; `rootWindow` is the unit's captured root window, possibly nothing.
    bool initInRootWindow(const std::shared_ptr<UIWindow>& rootWindow);
    void show() override;
    void hide() override;

    const std::shared_ptr<LMSettings>& settings() const { return m_settings; }

protected:
    // Makes a T in the given root window, as `new` does; nothing when the base could not be made.
    template <class T> static std::shared_ptr<T> make(const std::shared_ptr<UIWindow>& rootWindow)
    {
        auto overlay = std::make_shared<T>();
        return overlay->initInRootWindow(rootWindow) ? overlay : nullptr;
    }

    // A centred, shrink-to-fit label that lets touches through, added to the container view.
    std::shared_ptr<UILabel> addContentLabel(const char* identifier, std::shared_ptr<UIColor> color,
        std::shared_ptr<UIFont> font, NSInteger lines);

    // An image view sized to its image (none yet by default), added to the container view.
    std::shared_ptr<UIImageView> addContentImageView(const char* identifier, std::shared_ptr<UIImage> image = nullptr);

    // The module's dim-reset setting, read afresh.
    virtual bool resetsLockScreenDim() const = 0;
    // Whether show lays the overlay out first (overlays whose content update lays them out don't).
    virtual bool laysOutOnShow() const { return true; }

private:
    std::shared_ptr<LMSettings> m_settings;
};
