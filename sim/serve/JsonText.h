#pragma once

#include <nlohmann/json.hpp>

#include <string>

// JSON as sent to the page: bytes that are not UTF-8 (a script line quoting them) are replaced,
// never thrown over.
inline std::string jsonText(const nlohmann::json& value)
{
    return value.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}
