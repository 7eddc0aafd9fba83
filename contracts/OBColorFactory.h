#pragma once

#include "objc/Message.h"
#include "uikit/UIColor.h"

#include <memory>
#include <string>

namespace contracts {

// The support library's colour maker; it has class-side operations only.
struct OBColorFactory {
    // A colour from "#RRGGBB" text.
    static inline const objc::Message<std::shared_ptr<UIColor>(std::string)> colorFromHexString {
        "colorFromHexString:"
    };
};

} // namespace contracts
