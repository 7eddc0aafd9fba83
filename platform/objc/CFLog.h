#pragma once

#include "objc/Format.h"

#include <functional>
#include <string>

// Log levels of CFLog, as the platform numbers them.
enum : int {
    kCFLogLevelEmergency = 0,
    kCFLogLevelAlert = 1,
    kCFLogLevelCritical = 2,
    kCFLogLevelError = 3,
    kCFLogLevelWarning = 4,
    kCFLogLevelNotice = 5,
    kCFLogLevelInfo = 6,
    kCFLogLevelDebug = 7,
};

namespace objc {

using LogSink = std::function<void(int level, const std::string& message)>;

// Where CFLog lines go: standard error by default; tests and the simulator capture them.
// Returns the previous sink. An empty sink restores the default.
LogSink setLogSink(LogSink sink);
// The process name written before each line on standard error ("SpringBoard").
void setLogProcessName(std::string name);

void logMessage(int level, const std::string& message);

} // namespace objc

template <class... Args> void CFLog(int level, std::string_view format, const Args&... args)
{
    objc::logMessage(level, objc::format(format, args...));
}
