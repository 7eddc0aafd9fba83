#pragma once

#include "uikit/CGGeometry.h"

#include <memory>
#include <string_view>

class NSAttributedString;
class NSBundle;
class UIColor;
class UIFont;
class UIImage;

// The panel's typeface and pictures, shared by its construction, layout and text areas.
class LMPanelStyle {
public:
    static std::shared_ptr<UIFont> lightFont(CGFloat size);
    // A picture of the resource bundle scaled to the size; nothing without the bundle.
    static std::shared_ptr<UIImage> bundleImage(
        const std::shared_ptr<NSBundle>&, std::string_view name, CGSize size);
    // The picture tinted with the colour, by the support library.
    static std::shared_ptr<UIImage> tinted(std::shared_ptr<UIImage>, std::shared_ptr<UIColor>);
    // Text made of the one picture, to sit in a line of text.
    static std::shared_ptr<NSAttributedString> attachmentText(std::shared_ptr<UIImage>);
};
