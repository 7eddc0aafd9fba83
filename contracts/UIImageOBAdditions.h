#pragma once

#include "objc/Message.h"
#include "uikit/UIColor.h"

namespace contracts {

// The support library's category on images: one colour that stands for the image.
struct UIImageOBAdditions {
    static inline const objc::Message<std::shared_ptr<UIColor>()> mergedColor { "mergedColor" };
};

} // namespace contracts
