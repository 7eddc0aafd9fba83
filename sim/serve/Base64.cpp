#include "serve/Base64.h"

#include <cstdint>

std::string Base64::encode(std::string_view bytes)
{
    static constexpr char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    size_t i = 0;
    auto byte = [&](size_t at) { return static_cast<std::uint32_t>(static_cast<unsigned char>(bytes[at])); };
    for (; i + 3 <= bytes.size(); i += 3) {
        auto group = byte(i) << 16 | byte(i + 1) << 8 | byte(i + 2);
        for (int shift = 18; shift >= 0; shift -= 6)
            text += alphabet[(group >> shift) & 63];
    }
    if (auto left = bytes.size() - i) {
        auto group = byte(i) << 16 | (left == 2 ? byte(i + 1) << 8 : 0);
        text += alphabet[(group >> 18) & 63];
        text += alphabet[(group >> 12) & 63];
        text += left == 2 ? alphabet[(group >> 6) & 63] : '=';
        text += '=';
    }
    return text;
}
