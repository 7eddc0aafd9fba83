#pragma once

#include <string>
#include <string_view>

// Bytes as text, for pictures carried inside server-sent events.
class Base64 {
public:
    static std::string encode(std::string_view bytes);
};
