#pragma once

#include <optional>
#include <string>

namespace contracts {

// What a notification's default action opens.
class BBAction {
public:
    virtual ~BBAction() = default;
    virtual std::optional<std::string> launchURL() = 0;
};

} // namespace contracts
