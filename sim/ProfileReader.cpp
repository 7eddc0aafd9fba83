#include "ProfileReader.h"

#include "InputError.h"
#include "NumberText.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

const nlohmann::json& nothing()
{
    static const nlohmann::json null;
    return null;
}

std::string describe(const nlohmann::json& value)
{
    if (value.is_null())
        return "nothing";
    auto text = value.dump();
    return text.size() > 40 ? text.substr(0, 37) + "..." : text;
}

} // namespace

ProfileReader::ProfileReader(const nlohmann::json& value, std::string file, std::string path)
    : m_value(&value)
    , m_file(std::move(file))
    , m_path(std::move(path))
{ }

void ProfileReader::fail(const std::string& expected) const
{
    throw InputError(m_file + ": " + (m_path.empty() ? "the profile" : m_path) + ": expected " + expected
        + ", found " + describe(*m_value));
}

void ProfileReader::failWith(const std::string& message) const
{
    throw InputError(m_file + ": " + (m_path.empty() ? "the profile" : m_path) + ": " + message);
}

void ProfileReader::expectKeys(std::initializer_list<std::string_view> allowed) const
{
    if (!m_value->is_object())
        fail("an object");
    for (auto& [key, value] : m_value->items()) {
        if (std::find(allowed.begin(), allowed.end(), key) != allowed.end())
            continue;
        std::string names;
        for (auto name : allowed)
            names += (names.empty() ? "" : ", ") + std::string(name);
        throw InputError(m_file + ": " + (m_path.empty() ? "" : m_path + ".") + key
            + ": unknown key (expected one of " + names + ")");
    }
}

bool ProfileReader::has(std::string_view key) const
{
    return m_value->is_object() && m_value->contains(key);
}

ProfileReader ProfileReader::operator[](std::string_view key) const
{
    auto path = (m_path.empty() ? "" : m_path + ".") + std::string(key);
    return ProfileReader(has(key) ? m_value->at(std::string(key)) : nothing(), m_file, path);
}

std::string ProfileReader::text() const
{
    if (!m_value->is_string())
        fail("a text");
    return m_value->get<std::string>();
}

bool ProfileReader::flag() const
{
    if (!m_value->is_boolean())
        fail("true or false");
    return m_value->get<bool>();
}

double ProfileReader::number(double minimum, double maximum) const
{
    auto range = " from " + NumberText::format(minimum) + " to " + NumberText::format(maximum);
    if (!m_value->is_number() || m_value->get<double>() < minimum || m_value->get<double>() > maximum)
        fail("a number" + range);
    return m_value->get<double>();
}

int ProfileReader::whole(int minimum, int maximum) const
{
    auto value = number(minimum, maximum);
    if (value != std::floor(value))
        fail("a whole number from " + std::to_string(minimum) + " to " + std::to_string(maximum));
    return static_cast<int>(value);
}

std::string ProfileReader::oneOf(std::initializer_list<std::string_view> choices) const
{
    std::string names;
    for (auto choice : choices) {
        if (m_value->is_string() && m_value->get<std::string>() == choice)
            return std::string(choice);
        names += (names.empty() ? "\"" : ", \"") + std::string(choice) + "\"";
    }
    fail("one of " + names);
}

std::vector<ProfileReader> ProfileReader::items() const
{
    if (!m_value->is_array())
        fail("a list");
    std::vector<ProfileReader> items;
    for (size_t i = 0; i < m_value->size(); ++i)
        items.emplace_back((*m_value)[i], m_file, m_path + "[" + std::to_string(i) + "]");
    return items;
}

std::array<unsigned char, 3> ProfileReader::colour() const
{
    auto hex = m_value->is_string() ? m_value->get<std::string>() : std::string();
    bool valid = hex.size() == 7 && hex[0] == '#' && std::all_of(hex.begin() + 1, hex.end(), [](char c) {
        return std::isxdigit(static_cast<unsigned char>(c));
    });
    if (!valid)
        fail("a colour \"#rrggbb\"");
    auto component
        = [&](int i) { return static_cast<unsigned char>(std::stoi(hex.substr(1 + 2 * i, 2), nullptr, 16)); };
    return { component(0), component(1), component(2) };
}
