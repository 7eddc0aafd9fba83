#pragma once

#include <nlohmann/json.hpp>

#include <array>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Reads one value of a device profile by the type it must have. Whatever is not as expected
// throws InputError naming the file, the key's path ("battery.level", "apps[2].name"), what was
// expected and what was found.
class ProfileReader {
public:
    ProfileReader(const nlohmann::json& value, std::string file, std::string path = {});

    // An object holding no key but these (an unknown key names itself and the ones allowed).
    void expectKeys(std::initializer_list<std::string_view>) const;
    bool has(std::string_view key) const;
    // The value of the key, null when the object lacks it.
    ProfileReader operator[](std::string_view key) const;
    bool isNull() const { return m_value->is_null(); }

    std::string text() const;
    bool flag() const;
    double number(double minimum, double maximum) const;
    int whole(int minimum, int maximum) const;
    // One of these texts.
    std::string oneOf(std::initializer_list<std::string_view>) const;
    std::vector<ProfileReader> items() const;
    // "#rrggbb", as red, green and blue from 0 to 255.
    std::array<unsigned char, 3> colour() const;

    const std::string& file() const { return m_file; }
    [[noreturn]] void fail(const std::string& expected) const;
    // The key's path and the message.
    [[noreturn]] void failWith(const std::string& message) const;

private:
    const nlohmann::json* m_value;
    std::string m_file;
    std::string m_path;
};
