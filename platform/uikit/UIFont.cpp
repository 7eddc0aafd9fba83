#include "uikit/UIFont.h"

#include <algorithm>

UIFont::UIFont(std::string name, CGFloat pointSize)
    : m_name(std::move(name))
    , m_pointSize(std::max(0.0, pointSize))
{ }

std::shared_ptr<UIFont> UIFont::fontWithName(std::string name, CGFloat size)
{
    return std::make_shared<UIFont>(std::move(name), size);
}

std::shared_ptr<UIFont> UIFont::systemFontOfSize(CGFloat size)
{
    return fontWithName(systemFontName, size);
}

std::shared_ptr<UIFont> UIFont::boldSystemFontOfSize(CGFloat size)
{
    return fontWithName(boldSystemFontName, size);
}

std::shared_ptr<UIFont> UIFont::fontWithSize(CGFloat size) const
{
    return fontWithName(m_name, size);
}
