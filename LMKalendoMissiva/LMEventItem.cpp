#include "LMKalendoMissiva/LMEventItem.h"

#include "contracts/EKEvent.h"
#include "contracts/EKReminder.h"
#include "foundation/NSDate.h"
#include "uikit/UIColor.h"

std::shared_ptr<LMEventItem> LMEventItem::initFromCalendarItem(
    std::shared_ptr<contracts::EKCalendarItem> source)
{
    auto item = std::make_shared<LMEventItem>();
    if (!source)
        return item;
    item->m_title = source->title();
    item->m_notes = source->notes();
    item->m_location = source->location();
    if (auto reminder = std::dynamic_pointer_cast<contracts::EKReminder>(source)) {
        item->m_type = "reminder";
        item->m_date = reminder->dueDate();
    } else if (auto event = std::dynamic_pointer_cast<contracts::EKEvent>(source)) {
        item->m_type = "event";
        item->m_date = event->startDate();
        item->m_endDate = event->endDate();
        if (auto calendar = event->calendar())
            item->m_color = calendar->CGColor();
    }
    item->m_calendarItem = std::move(source);
    return item;
}
