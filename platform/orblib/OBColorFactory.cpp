#include "orblib/OBColorFactory.h"

#include "contracts/OBColorFactory.h"
#include "uikit/UIColor.h"

#include <optional>
#include <string>

namespace orblib {
namespace {

std::optional<int> hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return std::nullopt;
}

std::shared_ptr<UIColor> colorFromHexStringImplementation(Class, SEL, std::string text)
{
    return OBColorFactory::colorFromHexString(text);
}

} // namespace

std::shared_ptr<UIColor> OBColorFactory::colorFromHexString(std::string_view text)
{
    if (text.size() != 7 || text.front() != '#')
        return UIColor::whiteColor();
    CGFloat components[3];
    for (int i = 0; i < 3; ++i) {
        auto high = hexDigit(text[1 + 2 * i]);
        auto low = hexDigit(text[2 + 2 * i]);
        if (!high || !low)
            return UIColor::whiteColor();
        components[i] = (*high * 16 + *low) / CGFloat(255);
    }
    return UIColor::colorWithRed(components[0], components[1], components[2], 1);
}

void OBColorFactory::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(
        contracts::OBColorFactory::colorFromHexString, &colorFromHexStringImplementation);
}

} // namespace orblib
