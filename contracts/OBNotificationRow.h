#pragma once

#include "contracts/BBBulletin.h"
#include "contracts/SBApplication.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

class NSDate;
class NSObject;
class UIImage;

namespace contracts {

// One pending notification.
class OBNotificationRow {
public:
    virtual ~OBNotificationRow() = default;
    virtual std::optional<std::string> title() = 0;
    virtual std::optional<std::string> message() = 0;
    virtual std::shared_ptr<NSDate> date() = 0;
    virtual std::shared_ptr<UIImage> icon() = 0;
    virtual std::shared_ptr<UIImage> attachmentImage() = 0;
    virtual std::string sectionID() = 0;
    virtual std::shared_ptr<SBApplication> app() = 0;
    virtual std::shared_ptr<BBBulletin> bulletin() = 0;
    // The notification's own actions (their titles, as NSString), in order.
    virtual std::vector<std::shared_ptr<NSObject>> notificationActions() = 0;
    // Runs that action, which also takes the notification away; an index without an action
    // does nothing.
    virtual void invokeNotificationActionWithIndex(int index) = 0;
    // Removes the notification from the system.
    virtual void removeActualNotification() = 0;
};

} // namespace contracts
