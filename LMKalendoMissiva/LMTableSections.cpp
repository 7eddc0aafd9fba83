#include "LMKalendoMissiva/LMTableSections.h"

#include "settings/LMSettings.h"

bool LMTableSections::showsSchedule() const
{
    return m_settings.nothingScheduledLabelEnabled() || m_contents.hasAnyReminders || m_contents.hasAnyEvents;
}

std::int32_t LMTableSections::eventsHeader() const
{
    return m_settings.kalendoEnabled() && showsSchedule() ? 0 : absent;
}

std::int32_t LMTableSections::notificationsHeader() const
{
    if (!m_settings.missivaEnabled())
        return absent;
    if (!m_settings.kalendoEnabled() || !showsSchedule())
        return 0;
    return 1 + (m_contents.hasAnyReminders ? 1 : 0) + (m_contents.hasAnyEvents ? 1 : 0);
}

std::int32_t LMTableSections::footer() const
{
    if (m_settings.missivaEnabled() && m_contents.hasAnyNotifications
        && m_settings.dismissAllNotificationsButtonEnabled())
        return static_cast<std::int32_t>(count() - 1);
    return absent;
}

NSInteger LMTableSections::count() const
{
    NSInteger schedule = 0;
    if (m_settings.kalendoEnabled() && showsSchedule())
        schedule = 1 + static_cast<NSInteger>(m_contents.scheduleLists);
    NSInteger notifications = 0;
    if (m_settings.missivaEnabled()
        && (m_settings.noNotificationsLabelEnabled() || m_contents.hasAnyNotifications)) {
        notifications = 1 + static_cast<NSInteger>(m_contents.notificationLists);
        if (m_contents.hasAnyNotifications && m_settings.dismissAllNotificationsButtonEnabled())
            ++notifications;
    }
    return schedule + notifications;
}
