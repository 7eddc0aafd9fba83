#pragma once

#include "contracts/BBAction.h"

#include <memory>
#include <optional>
#include <string>

namespace contracts {

// The system's record of one notification.
class BBBulletin {
public:
    virtual ~BBBulletin() = default;
    virtual std::optional<std::string> subtitle() = 0;
    virtual std::shared_ptr<BBAction> defaultAction() = 0;
};

} // namespace contracts
