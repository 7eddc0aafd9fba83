#pragma once

#include "Target.h"
#include "ViewProperty.h"

#include <optional>
#include <string_view>

// A target and, after a dot, one of its properties: "_batteryPercentLabel.text".
class Probe {
public:
    // Throws InputError when the target is malformed, or when a property is required and the
    // text does not end in a known one.
    static Probe parse(std::string_view, bool propertyRequired);

    const Target& target() const { return m_target; }
    const std::optional<ViewProperty>& property() const { return m_property; }

private:
    Probe(Target target, std::optional<ViewProperty> property)
        : m_target(std::move(target))
        , m_property(std::move(property))
    { }

    Target m_target;
    std::optional<ViewProperty> m_property;
};
