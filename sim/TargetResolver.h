#pragma once

#include "Target.h"

#include <memory>
#include <optional>

class UIView;

// Finds what a target names on the screen as it stands, laid out first. A name matches a view
// whose accessibility identifier is that name, or whose class or one of its superclasses is
// named so. The first step of a path is looked for in the alerts that are up, then the windows
// on the screen, topmost first, then the hidden windows (where closed overlays wait), each tree
// depth first; each further step inside the view found for the step before.
class TargetResolver {
public:
    // For a point, the view a finger there would land on. Nothing when no view matches.
    static std::shared_ptr<UIView> view(const Target&);
    // Where a finger touches the target: its point, or the middle of its view on the screen.
    static std::optional<CGPoint> point(const Target&);
};
