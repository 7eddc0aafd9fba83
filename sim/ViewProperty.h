#pragma once

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <string_view>

class UIView;

// A property of a view that scripts read and check. Values are in the view dump's notation
// (docs/view-dump.md): a text, a frame [x, y, w, h], a boolean, a number, a colour "#rrggbbaa",
// or null where the view has none (no text, no image, no colour, not an overlay).
class ViewProperty {
public:
    enum class Kind { Text, Frame, Flag, Number, Colour };

    // The target that names the device itself rather than a view.
    static constexpr std::string_view deviceTarget = "device";

    // Nothing for a name that is not one of names(); the device's properties are read of the
    // target `device` alone.
    static std::optional<ViewProperty> named(std::string_view, bool ofDevice = false);
    // Every name, separated by ", ".
    static std::string names(bool ofDevice = false);

    const std::string& name() const { return m_name; }
    Kind kind() const { return m_kind; }
    bool isOfDevice() const { return m_ofDevice; }

    // Only `visible` and `isActive` read a view that is not there (a target that names none, such
    // as an overlay taken out of its window): as false. The device's properties read no view.
    bool readsMissingViews() const;
    nlohmann::ordered_json read(const UIView*) const;
    // A value as a script writes it: a text in double quotes, x,y,w,h, true or false, a number,
    // #rrggbb or #rrggbbaa; "none" for null. Throws InputError saying what the property takes.
    nlohmann::ordered_json parseValue(std::string_view text, bool quoted) const;
    // Equal as scripts mean it: frames and numbers within 0.01, colours with full alpha when
    // written with six digits.
    static bool equal(const nlohmann::ordered_json& seen, const nlohmann::ordered_json& expected);
    // A value of this property as a script would write it.
    std::string format(const nlohmann::ordered_json&) const;

private:
    ViewProperty(std::string name, Kind kind, bool ofDevice)
        : m_name(std::move(name))
        , m_kind(kind)
        , m_ofDevice(ofDevice)
    { }

    std::string m_name;
    Kind m_kind;
    bool m_ofDevice;
};
