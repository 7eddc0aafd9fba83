#include "orblib/OBNotificationRow.h"

#include "foundation/NSDate.h"
#include "foundation/NSString.h"
#include "orblib/OBBulletin.h"

namespace orblib {

OBNotificationRow::OBNotificationRow(
    NotificationRecord record, std::shared_ptr<contracts::SBApplication> app, std::shared_ptr<UIImage> icon)
    : m_record(std::move(record))
    , m_app(std::move(app))
    , m_icon(std::move(icon))
    , m_date(NSDate::dateWithTimeIntervalSinceReferenceDate(m_record.date))
    , m_bulletin(std::make_shared<OBBulletin>(m_record.subtitle, m_record.launchURL))
{ }

std::vector<std::shared_ptr<NSObject>> OBNotificationRow::notificationActions()
{
    std::vector<std::shared_ptr<NSObject>> actions;
    for (auto& title : m_record.actions)
        actions.push_back(NSString::stringWithUTF8String(title));
    return actions;
}

void OBNotificationRow::invokeNotificationActionWithIndex(int index)
{
    DeviceNotifications::invokeAction(m_record.identifier, index);
}

void OBNotificationRow::removeActualNotification()
{
    DeviceNotifications::remove(m_record.identifier);
}

} // namespace orblib
