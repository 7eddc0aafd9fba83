#pragma once

#include "objc/NSObject.h"
#include "uikit/CGGeometry.h"

#include <memory>
#include <string>

// A font by name and point size. Any name is accepted; what face draws it is the renderer's
// choice. The system fonts carry the names below.
class UIFont : public NSObject {
    OBJC_CLASS(UIFont, NSObject)
public:
    static constexpr const char* systemFontName = ".SystemUIFont";
    static constexpr const char* boldSystemFontName = ".SystemUIFont-Bold";

    UIFont(std::string name, CGFloat pointSize);

    static std::shared_ptr<UIFont> fontWithName(std::string name, CGFloat size);
    static std::shared_ptr<UIFont> systemFontOfSize(CGFloat size);
    static std::shared_ptr<UIFont> boldSystemFontOfSize(CGFloat size);
    std::shared_ptr<UIFont> fontWithSize(CGFloat size) const;

    const std::string& fontName() const { return m_name; }
    CGFloat pointSize() const { return m_pointSize; }
    bool isEqual(const UIFont& other) const
    {
        return m_name == other.m_name && m_pointSize == other.m_pointSize;
    }

private:
    std::string m_name;
    CGFloat m_pointSize;
};
