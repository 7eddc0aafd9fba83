#pragma once

#include "contracts/ClassMessages.h"

namespace contracts {

// Video calls.
class SBConferenceManager {
public:
    virtual ~SBConferenceManager() = default;
    virtual bool activeFaceTimeCallExists() = 0;
    virtual bool faceTimeInvitationExists() = 0;
};

} // namespace contracts
