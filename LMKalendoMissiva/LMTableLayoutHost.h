#pragma once

#include "uikit/CGGeometry.h"

#include <optional>

// What the table follows of the view it sits in: it fits between the clock and the strips below.
// The clock's label it reads by name (`_timeDateLabel`), as any view holding one may offer it.
class LMTableLayoutHost {
public:
    // The music strip's frame while it shows; nothing while it is hidden or absent.
    virtual std::optional<CGRect> shownMelodraFrame() const = 0;
    // The app launcher's frame, shown or not; nothing when there is no launcher.
    virtual std::optional<CGRect> launcherFrame() const = 0;

protected:
    ~LMTableLayoutHost() = default;
};
