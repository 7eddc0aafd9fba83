#pragma once

#include "objc/Message.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"

namespace contracts {

// The support library's image helpers (class-side operations).
struct OBImageFactory {
    static inline const objc::Message<std::shared_ptr<NSObject>(
        std::shared_ptr<UIImage>, std::shared_ptr<UIColor>)>
        imageSetColor { "image:setColor:" };
    static inline const objc::Message<std::shared_ptr<NSObject>(std::shared_ptr<UIImage>, CGSize)>
        imageSetScale { "image:setScale:" };

    // A copy tinted with the colour.
    static std::shared_ptr<UIImage> image(
        Class factory, std::shared_ptr<UIImage> image, std::shared_ptr<UIColor> color)
    {
        return std::dynamic_pointer_cast<UIImage>(
            imageSetColor.toClass(factory, std::move(image), std::move(color)));
    }
    // A copy redrawn at the size, in points.
    static std::shared_ptr<UIImage> image(Class factory, std::shared_ptr<UIImage> image, CGSize size)
    {
        return std::dynamic_pointer_cast<UIImage>(imageSetScale.toClass(factory, std::move(image), size));
    }
};

} // namespace contracts
