#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string_view>

class UIColor;

namespace orblib {

// Colours from the text the preference pages store: "#" and six hexadecimal digits, red, green,
// blue, in either case. Any other text ("", "#fff", "ffffff", "#12345g", surrounding blanks)
// gives white: the colour every colour preference falls back to, readable on the panel's dark
// background, and never nothing, so a caller need not check.
class OBColorFactory : public NSObject {
    OBJC_CLASS(OBColorFactory, NSObject)
public:
    static std::shared_ptr<UIColor> colorFromHexString(std::string_view text);

    // Makes the class, with its class-side colorFromHexString:, findable by name.
    static void registerClass();
};

} // namespace orblib
