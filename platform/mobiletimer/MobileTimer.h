#pragma once

namespace mobiletimer {

// Makes the Clock store's classes (Alarm, AlarmManager, TimerManager) and SBClockDataProvider
// findable by name in the current simulated process, with their class-side operations and
// instance variables. The host calls it when it boots; tests call it after beginning a process.
void registerClasses();

} // namespace mobiletimer
