#pragma once

#include "contracts/OBNotificationRow.h"

class UIImageView;

namespace contracts {

// One app's pending notifications.
class OBNotificationSection {
public:
    virtual ~OBNotificationSection() = default;
    virtual std::vector<std::shared_ptr<OBNotificationRow>> rows() = 0;
    // Nothing for a section the system places in no app's.
    virtual std::shared_ptr<SBApplication> sectionApp() = 0;
    virtual std::string sectionID() = 0;
    virtual std::shared_ptr<UIImage> sectionIcon() = 0;
    // A square image view of the app's icon with the given side.
    virtual std::shared_ptr<UIImageView> sectionAppIconImageViewWithSize(double side) = 0;
    // Removes all of the section's notifications from the system.
    virtual void removeActualNotificationSection() = 0;
};

} // namespace contracts
