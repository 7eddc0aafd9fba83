#include "ViewProperty.h"

#include "InputError.h"
#include "NumberText.h"

#include "contracts/OBContainerView.h"
#include "contracts/OBDisplayView.h"
#include "orblib/DeviceLaunchLog.h"
#include "orblib/DeviceNotifications.h"
#include "springboard/Device.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIView.h"
#include "uikit/UIWindow.h"

#include <algorithm>
#include <cctype>
#include <cmath>

using nlohmann::ordered_json;

namespace {

using Reader = ordered_json (*)(const UIView&, const ordered_json& entry);

ordered_json key(const ordered_json& entry, const char* name)
{
    auto found = entry.find(name);
    return found == entry.end() ? ordered_json() : *found;
}

ordered_json text(const UIView&, const ordered_json& entry)
{
    return entry.contains("text") ? entry["text"] : key(entry, "title");
}

ordered_json image(const UIView&, const ordered_json& entry)
{
    auto found = key(entry, "image");
    return found.is_object() ? found["name"] : ordered_json();
}

// Shown when the display is lit, nothing between the view and its window hides it or fades it
// out, and the window or alert it lives in is up.
ordered_json visible(const UIView& view, const ordered_json&)
{
    if (!springboard::currentDevice().screenOn)
        return false;
    const UIView* current = &view;
    while (true) {
        if (current->isHidden() || current->alpha() < 0.01)
            return false;
        auto superview = current->superview();
        if (!superview)
            break;
        current = superview.get();
    }
    if (auto* alert = dynamic_cast<const UIAlertView*>(current))
        return alert->isVisible();
    return dynamic_cast<const UIWindow*>(current) != nullptr;
}

ordered_json isActive(const UIView& view, const ordered_json&)
{
    if (auto* container = dynamic_cast<const OBContainerView*>(&view))
        return container->isActive();
    if (auto* display = dynamic_cast<const OBDisplayView*>(&view))
        return display->isActive();
    return nullptr;
}

ordered_json fontSize(const UIView& view, const ordered_json&)
{
    auto* label = dynamic_cast<const UILabel*>(&view);
    return label && label->font() ? ordered_json(label->font()->pointSize()) : ordered_json();
}

struct Entry {
    const char* name;
    ViewProperty::Kind kind;
    Reader reader;
};

const Entry entries[] = {
    { "text", ViewProperty::Kind::Text, text },
    { "image", ViewProperty::Kind::Text, image },
    { "frame", ViewProperty::Kind::Frame, [](const UIView&, const ordered_json& e) { return e["frame"]; } },
    { "screenFrame", ViewProperty::Kind::Frame,
        [](const UIView&, const ordered_json& e) { return e["screenFrame"]; } },
    { "hidden", ViewProperty::Kind::Flag, [](const UIView&, const ordered_json& e) { return e["hidden"]; } },
    { "visible", ViewProperty::Kind::Flag, visible },
    { "alpha", ViewProperty::Kind::Number, [](const UIView&, const ordered_json& e) { return e["alpha"]; } },
    { "value", ViewProperty::Kind::Number, [](const UIView&, const ordered_json& e) { return key(e, "value"); } },
    { "textColor", ViewProperty::Kind::Colour,
        [](const UIView&, const ordered_json& e) { return key(e, "textColor"); } },
    { "backgroundColor", ViewProperty::Kind::Colour,
        [](const UIView&, const ordered_json& e) { return key(e, "backgroundColor"); } },
    { "isActive", ViewProperty::Kind::Flag, isActive },
    { "on", ViewProperty::Kind::Flag, [](const UIView&, const ordered_json& e) { return key(e, "on"); } },
    { "enabled", ViewProperty::Kind::Flag,
        [](const UIView&, const ordered_json& e) { return key(e, "enabled"); } },
    { "interaction", ViewProperty::Kind::Flag,
        [](const UIView&, const ordered_json& e) { return e["interaction"]; } },
    { "onTintColor", ViewProperty::Kind::Colour,
        [](const UIView&, const ordered_json& e) { return key(e, "onTintColor"); } },
    { "value", ViewProperty::Kind::Number,
        [](const UIView&, const ordered_json& e) { return key(e, "value"); } },
    { "fontSize", ViewProperty::Kind::Number, fontSize },
};

// What the host opened, newest last: the last launch asked for, and the last that opened.
std::optional<orblib::DeviceLaunchLog::Launch> lastLaunch(bool opened)
{
    auto launches = orblib::DeviceLaunchLog::launches();
    auto found
        = std::find_if(launches.rbegin(), launches.rend(), [&](auto& l) { return !opened || l.opened; });
    return found == launches.rend() ? std::nullopt : std::optional(*found);
}

struct DeviceEntry {
    const char* name;
    ViewProperty::Kind kind;
    ordered_json (*reader)();
};

const DeviceEntry deviceEntries[] = {
    { "opened", ViewProperty::Kind::Text,
        [] {
            auto launch = lastLaunch(true);
            return launch ? ordered_json(launch->target) : ordered_json();
        } },
    { "unlockAsked", ViewProperty::Kind::Flag,
        [] {
            auto launch = lastLaunch(false);
            return ordered_json(launch && launch->unlockAsked);
        } },
    { "locked", ViewProperty::Kind::Flag, [] { return ordered_json(springboard::currentDevice().locked); } },
    { "notifications", ViewProperty::Kind::Number,
        [] { return ordered_json(orblib::DeviceNotifications::all().size()); } },
    { "invokedAction", ViewProperty::Kind::Text,
        [] {
            auto invoked = orblib::DeviceNotifications::invokedActions();
            return invoked.empty() ? ordered_json() : ordered_json(invoked.back().title);
        } },
};

const Entry& entryNamed(const std::string& name)
{
    return *std::find_if(std::begin(entries), std::end(entries), [&](auto& e) { return name == e.name; });
}

const DeviceEntry& deviceEntryNamed(const std::string& name)
{
    return *std::find_if(
        std::begin(deviceEntries), std::end(deviceEntries), [&](auto& e) { return name == e.name; });
}

bool near(double a, double b)
{
    return std::abs(a - b) <= 0.01;
}

std::optional<ordered_json> frame(std::string_view text)
{
    auto numbers = ordered_json::array();
    size_t start = 0;
    while (true) {
        auto comma = text.find(',', start);
        auto number
            = NumberText::parse(text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (!number)
            return std::nullopt;
        numbers.push_back(*number);
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (numbers.size() != 4)
        return std::nullopt;
    return numbers;
}

std::optional<ordered_json> colour(std::string_view text)
{
    if (!text.starts_with('#') || (text.size() != 7 && text.size() != 9))
        return std::nullopt;
    std::string hex;
    for (char c : text.substr(1)) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return std::nullopt;
        hex += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    return "#" + hex + (hex.size() == 6 ? "ff" : "");
}

} // namespace

std::optional<ViewProperty> ViewProperty::named(std::string_view name, bool ofDevice)
{
    if (ofDevice) {
        for (auto& entry : deviceEntries) {
            if (name == entry.name)
                return ViewProperty(entry.name, entry.kind, true);
        }
        return std::nullopt;
    }
    for (auto& entry : entries) {
        if (name == entry.name)
            return ViewProperty(entry.name, entry.kind, false);
    }
    return std::nullopt;
}

std::string ViewProperty::names(bool ofDevice)
{
    std::string list;
    auto add = [&](const char* name) { list += (list.empty() ? "" : ", ") + std::string(name); };
    if (ofDevice)
        std::for_each(std::begin(deviceEntries), std::end(deviceEntries), [&](auto& e) { add(e.name); });
    else
        std::for_each(std::begin(entries), std::end(entries), [&](auto& e) { add(e.name); });
    return list;
}

ordered_json ViewProperty::read(const UIView* view) const
{
    if (m_ofDevice)
        return deviceEntryNamed(m_name).reader();
    if (!view)
        return false;
    auto entry = ordered_json::object();
    view->dumpProperties(entry);
    return entryNamed(m_name).reader(*view, entry);
}

bool ViewProperty::readsMissingViews() const
{
    return m_ofDevice || m_name == "visible" || m_name == "isActive";
}

ordered_json ViewProperty::parseValue(std::string_view text, bool quoted) const
{
    if (!quoted && text == "none")
        return nullptr;
    std::optional<ordered_json> value;
    const char* expected = "";
    switch (m_kind) {
    case Kind::Text:
        if (quoted)
            value = std::string(text);
        expected = "a text in double quotes or none";
        break;
    case Kind::Frame:
        if (!quoted)
            value = frame(text);
        expected = "a frame x,y,w,h";
        break;
    case Kind::Flag:
        if (!quoted && (text == "true" || text == "false"))
            value = text == "true";
        expected = "true or false";
        break;
    case Kind::Number:
        if (auto number = NumberText::parse(text); number && !quoted)
            value = *number;
        expected = "a number";
        break;
    case Kind::Colour:
        if (!quoted)
            value = colour(text);
        expected = "a colour #rrggbb or #rrggbbaa, or none";
        break;
    }
    if (!value)
        throw InputError(m_name + " takes " + expected + ", not '" + std::string(text) + "'");
    return *value;
}

bool ViewProperty::equal(const ordered_json& seen, const ordered_json& expected)
{
    if (seen.is_number() && expected.is_number())
        return near(seen.get<double>(), expected.get<double>());
    if (seen.is_array() && expected.is_array()) {
        if (seen.size() != expected.size())
            return false;
        for (size_t i = 0; i < seen.size(); ++i) {
            if (!equal(seen[i], expected[i]))
                return false;
        }
        return true;
    }
    return seen == expected;
}

std::string ViewProperty::format(const ordered_json& value) const
{
    if (value.is_null())
        return "none";
    if (value.is_array()) {
        std::string text;
        for (auto& number : value)
            text += (text.empty() ? "" : ",") + NumberText::format(number.get<double>());
        return text;
    }
    if (value.is_number())
        return NumberText::format(value.get<double>());
    if (m_kind == Kind::Colour)
        return value.get<std::string>();
    return value.dump();
}
