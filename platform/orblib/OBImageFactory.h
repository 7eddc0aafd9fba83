#pragma once

#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <memory>

class UIColor;
class UIImage;

namespace orblib {

// Copies of images, tinted or redrawn at another size; the copies keep the source's scale and
// name. A missing image or colour, or a size that is not a positive, sane number of points,
// gives nothing.
class OBImageFactory : public NSObject {
    OBJC_CLASS(OBImageFactory, NSObject)
public:
    // Every pixel takes the colour; its alpha is multiplied by the colour's, so tinting twice
    // with a translucent colour fades the image further.
    static std::shared_ptr<UIImage> image(const std::shared_ptr<UIImage>&, const std::shared_ptr<UIColor>&);
    // Redrawn at the size in points: a tent filter as wide as the step between source pixels
    // (bilinear when enlarging, an average over the covered pixels when shrinking), in
    // premultiplied alpha so transparent pixels leave no dark fringe.
    static std::shared_ptr<UIImage> image(const std::shared_ptr<UIImage>&, CGSize);

    // Makes the class, with its class-side image:setColor: and image:setScale:, findable by name.
    static void registerClass();
};

} // namespace orblib
