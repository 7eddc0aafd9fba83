#pragma once

#include "contracts/OBNotificationRow.h"
#include "objc/NSObject.h"
#include "orblib/DeviceNotifications.h"

namespace orblib {

// One pending notification as it was when the catalogue was made; removing it or running one
// of its actions acts on the device's notification (DeviceNotifications).
class OBNotificationRow : public NSObject, public contracts::OBNotificationRow {
    OBJC_CLASS(OBNotificationRow, NSObject)
public:
    // No app: the notification's app is missing or not installed.
    OBNotificationRow(
        NotificationRecord, std::shared_ptr<contracts::SBApplication>, std::shared_ptr<UIImage> icon);

    std::optional<std::string> title() override { return m_record.title; }
    std::optional<std::string> message() override { return m_record.message; }
    std::shared_ptr<NSDate> date() override { return m_date; }
    std::shared_ptr<UIImage> icon() override { return m_icon; }
    std::shared_ptr<UIImage> attachmentImage() override { return m_record.attachment; }
    std::string sectionID() override { return m_record.section(); }
    std::shared_ptr<contracts::SBApplication> app() override { return m_app; }
    std::shared_ptr<contracts::BBBulletin> bulletin() override { return m_bulletin; }
    // One NSString per action, its title.
    std::vector<std::shared_ptr<NSObject>> notificationActions() override;
    // An index without an action does nothing.
    void invokeNotificationActionWithIndex(int index) override;
    void removeActualNotification() override;

    std::uint64_t identifier() const { return m_record.identifier; }

private:
    NotificationRecord m_record;
    std::shared_ptr<contracts::SBApplication> m_app;
    std::shared_ptr<UIImage> m_icon;
    std::shared_ptr<NSDate> m_date;
    std::shared_ptr<contracts::BBBulletin> m_bulletin;
};

} // namespace orblib
