#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The bounds a device profile's text is held to before the JSON parser sees it, so that what
// the parser would reject with its own words, or take unbounded time or stack for, gets a
// message naming the file, the line and the key.
class ProfileText {
public:
    // The demo device is 5 KB; a profile with a few hundred apps and events stays far below.
    static constexpr std::size_t maximumSize = 1024 * 1024;
    // Objects and arrays inside one another; the demo device nests four deep.
    static constexpr std::size_t maximumDepth = 32;

    // Throws InputError for a larger or deeper text, or a number no double holds.
    static void check(std::string_view text, const std::string& file);
};
