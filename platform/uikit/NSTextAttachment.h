#pragma once

#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <memory>

class UIImage;

// An image inline in text. Zero bounds mean the image's own size on the baseline; otherwise the
// bounds give the size, and their y moves the image up from the baseline.
class NSTextAttachment : public NSObject {
    OBJC_CLASS(NSTextAttachment, NSObject)
public:
    static std::shared_ptr<NSTextAttachment> create(
        std::shared_ptr<UIImage> image = nullptr, CGRect bounds = CGRectZero)
    {
        auto attachment = std::make_shared<NSTextAttachment>();
        attachment->m_image = std::move(image);
        attachment->m_bounds = bounds;
        return attachment;
    }

    const std::shared_ptr<UIImage>& image() const { return m_image; }
    void setImage(std::shared_ptr<UIImage> image) { m_image = std::move(image); }
    CGRect bounds() const { return m_bounds; }
    void setBounds(CGRect bounds) { m_bounds = bounds; }
    // The size the attachment takes in a line.
    CGSize displaySize() const;

private:
    std::shared_ptr<UIImage> m_image;
    CGRect m_bounds {};
};
