#pragma once

#include "foundation/NSObjCRuntime.h"

#include <cstddef>
#include <cstdint>

class LMSettings;

// Where the table's sections fall: the schedule summary, its lists, the notification summary, one
// section per app, the footer, each shown or not by what a reload gathered and by the settings.
class LMTableSections {
public:
    static constexpr std::int32_t absent = 999;

    struct Contents {
        bool hasAnyReminders { false };
        bool hasAnyEvents { false };
        bool hasAnyNotifications { false };
        std::size_t scheduleLists { 0 };
        std::size_t notificationLists { 0 };
    };

    LMTableSections(const LMSettings& settings, Contents contents)
        : m_settings(settings)
        , m_contents(contents)
    { }

    std::int32_t eventsHeader() const;
    std::int32_t notificationsHeader() const;
    std::int32_t footer() const;
    NSInteger count() const;

private:
    bool showsSchedule() const;

    const LMSettings& m_settings;
    Contents m_contents;
};
