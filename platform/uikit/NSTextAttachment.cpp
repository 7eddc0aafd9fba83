#include "uikit/NSTextAttachment.h"

#include "uikit/UIImage.h"

CGSize NSTextAttachment::displaySize() const
{
    if (m_bounds.size != CGSizeMake(0, 0))
        return m_bounds.size;
    return m_image ? m_image->size() : CGSizeMake(0, 0);
}
