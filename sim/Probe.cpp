#include "Probe.h"

#include "InputError.h"

#include <string>

namespace {

Target parsedTarget(std::string_view text)
{
    auto target = Target::parse(text);
    if (!target)
        throw InputError("'" + std::string(text)
            + "' is not a target (expected an identifier, a class name, a path of them separated by /, or "
              "X,Y)");
    return *target;
}

} // namespace

Probe Probe::parse(std::string_view text, bool propertyRequired)
{
    auto dot = text.rfind('.');
    if (text.substr(0, dot) == ViewProperty::deviceTarget) {
        auto property
            = dot == std::string_view::npos ? std::nullopt : ViewProperty::named(text.substr(dot + 1), true);
        if (!property)
            throw InputError("'" + std::string(text)
                + "' is not a property of the device (expected device.PROPERTY, " + "PROPERTY one of "
                + ViewProperty::names(true) + ")");
        return Probe(parsedTarget(ViewProperty::deviceTarget), property);
    }
    if (dot != std::string_view::npos) {
        if (auto property = ViewProperty::named(text.substr(dot + 1)))
            return Probe(parsedTarget(text.substr(0, dot)), property);
    }
    if (propertyRequired)
        throw InputError("'" + std::string(text)
            + "' does not end in a property (expected TARGET.PROPERTY, PROPERTY one of "
            + ViewProperty::names() + ")");
    return Probe(parsedTarget(text), std::nullopt);
}
