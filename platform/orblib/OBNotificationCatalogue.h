#pragma once

#include "contracts/OBNotificationCatalogue.h"
#include "objc/NSObject.h"
#include "orblib/OBNotificationSection.h"

namespace orblib {

struct InstalledApp;

// The device's pending notifications when it was made, one section per app: the section with
// the newest notification first, each section's rows newest first.
class OBNotificationCatalogue : public NSObject, public contracts::OBNotificationCatalogue {
    OBJC_CLASS(OBNotificationCatalogue, NSObject)
public:
    // The same catalogue while the notifications, the apps and the process stay the same.
    static std::shared_ptr<OBNotificationCatalogue> current();

    std::vector<std::shared_ptr<contracts::OBNotificationSection>> sections() override { return m_sections; }

private:
    static std::shared_ptr<OBNotificationCatalogue> make(const std::vector<InstalledApp>&);

    std::vector<std::shared_ptr<contracts::OBNotificationSection>> m_sections;
};

} // namespace orblib
