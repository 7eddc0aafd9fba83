#pragma once

#include <string>

// An hour of the day (0 to 23) on the 12-hour clock: "12am", "9am", "12pm", "5pm"; empty for
// any other number.
std::string LMTwelveHourText(int hour);
