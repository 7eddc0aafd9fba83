#pragma once

#include <memory>
#include <optional>
#include <string>

namespace contracts {
class OBAppItem;
}

// The app a schedule item belongs to: Calendar for "event", Reminders for "reminder"; nothing
// for any other type or when the app is not installed.
std::shared_ptr<contracts::OBAppItem> LMScheduleAppItem(const std::optional<std::string>& type);
