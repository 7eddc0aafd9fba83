#include "preferences/PreferenceValue.h"

#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/ScalarValue.h"
#include "preferences/PSSpecifier.h"

#include <cmath>
#include <sstream>

namespace preferences {

std::string PreferenceValue::text(const std::shared_ptr<NSObject>& value)
{
    if (auto string = objc::cast<NSString>(value))
        return string->UTF8String();
    if (auto* scalar = foundation::ScalarValue::of(value)) {
        std::ostringstream out;
        out << scalar->doubleValue();
        return out.str();
    }
    return {};
}

bool PreferenceValue::same(const std::shared_ptr<NSObject>& a, const std::shared_ptr<NSObject>& b)
{
    if (!a || !b)
        return false;
    auto textA = objc::cast<NSString>(a);
    auto textB = objc::cast<NSString>(b);
    if (textA && textB)
        return textA->UTF8String() == textB->UTF8String();
    auto* scalarA = foundation::ScalarValue::of(a);
    auto* scalarB = foundation::ScalarValue::of(b);
    return scalarA && scalarB && std::abs(scalarA->doubleValue() - scalarB->doubleValue()) < 1e-9;
}

std::string PreferenceValue::titleForValue(const PSSpecifier& list, const std::shared_ptr<NSObject>& value)
{
    auto values = list.arrayProperty("validValues");
    auto titles = list.arrayProperty("validTitles");
    for (size_t i = 0; i < values.size() && i < titles.size(); ++i) {
        if (same(values[i], value))
            return text(titles[i]);
    }
    return {};
}

} // namespace preferences
