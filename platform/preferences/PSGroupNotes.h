#pragma once

#include "uikit/CGGeometry.h"

#include <memory>

class PSSpecifier;
class UIView;

namespace preferences {

// What a group row puts around its section: its title above in small capitals, its footer text
// below, both in the platform's grey; a plain gap where it has neither (or where rows come
// before any group row).
class PSGroupNotes {
public:
    static CGFloat headerHeight(const PSSpecifier* group);
    static CGFloat footerHeight(const PSSpecifier* group, CGFloat width);
    static std::shared_ptr<UIView> header(const PSSpecifier* group, CGFloat width);
    static std::shared_ptr<UIView> footer(const PSSpecifier* group, CGFloat width);
};

} // namespace preferences
