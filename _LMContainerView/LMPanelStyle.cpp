#include "_LMContainerView/LMPanelStyle.h"

#include "contracts/OBImageFactory.h"
#include "foundation/NSBundle.h"
#include "objc/ClassRef.h"
#include "uikit/NSAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"

namespace {

Class imageFactory()
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    return imageFactoryClass;
}

} // namespace

std::shared_ptr<UIFont> LMPanelStyle::lightFont(CGFloat size)
{
    return UIFont::fontWithName("HelveticaNeue-Light", size);
}

std::shared_ptr<UIImage> LMPanelStyle::bundleImage(
    const std::shared_ptr<NSBundle>& bundle, std::string_view name, CGSize size)
{
    if (!bundle)
        return nullptr;
    auto image = UIImage::imageWithContentsOfFile(bundle->pathForResource(name, "png"));
    return contracts::OBImageFactory::image(imageFactory(), std::move(image), size);
}

std::shared_ptr<UIImage> LMPanelStyle::tinted(std::shared_ptr<UIImage> image, std::shared_ptr<UIColor> color)
{
    return contracts::OBImageFactory::image(imageFactory(), std::move(image), std::move(color));
}

std::shared_ptr<NSAttributedString> LMPanelStyle::attachmentText(std::shared_ptr<UIImage> image)
{
    return NSAttributedString::attributedStringWithAttachment(NSTextAttachment::create(std::move(image)));
}
