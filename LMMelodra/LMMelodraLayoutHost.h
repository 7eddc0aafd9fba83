#pragma once

#include "uikit/CGGeometry.h"

#include <optional>

// What the music strip follows of the view it sits in: it stands just above the app launcher.
class LMMelodraLayoutHost {
public:
    // The app launcher's frame while it shows; nothing while it is hidden or absent.
    virtual std::optional<CGRect> shownLauncherFrame() const = 0;

protected:
    ~LMMelodraLayoutHost() = default;
};
