#pragma once

#include <array>

// The library's initialisers, each defined in its own source unit, and their list in the order
// the loader runs them.
namespace lumora {

void initialiseLumora();
void initialiseLMView();
void initialiseLMAmpiroDisplayView();
void initialiseLMClearAllNotificationsDisplayView();
void initialiseLMSingleEventDisplayView();
void initialiseLMSingleNotificationDisplayView();
void initialiseLMMusicDisplayView();

using Initialiser = void (*)();
const std::array<Initialiser, 7>& initialisers();

} // namespace lumora
