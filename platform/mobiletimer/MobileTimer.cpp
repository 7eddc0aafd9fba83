#include "mobiletimer/MobileTimer.h"

#include "mobiletimer/Alarm.h"
#include "mobiletimer/AlarmManager.h"
#include "mobiletimer/SBClockDataProvider.h"
#include "mobiletimer/TimerManager.h"

namespace mobiletimer {

void registerClasses()
{
    Alarm::registerClass();
    AlarmManager::registerClass();
    TimerManager::registerClass();
    SBClockDataProvider::registerClass();
}

} // namespace mobiletimer
