#include "objc/CFLog.h"

#include <cstdio>
#include <mutex>
#include <unistd.h>
#include <utility>

namespace objc {
namespace {

struct LogState {
    std::mutex mutex;
    LogSink sink;
    std::string processName { "SpringBoard" };
};

LogState& state()
{
    static LogState instance;
    return instance;
}

const char* levelName(int level)
{
    static const char* const names[]
        = { "Emergency", "Alert", "Critical", "Error", "Warning", "Notice", "Info", "Debug" };
    return level >= 0 && level <= 7 ? names[level] : "Log";
}

} // namespace

LogSink setLogSink(LogSink sink)
{
    std::lock_guard lock(state().mutex);
    return std::exchange(state().sink, std::move(sink));
}

void setLogProcessName(std::string name)
{
    std::lock_guard lock(state().mutex);
    state().processName = std::move(name);
}

void logMessage(int level, const std::string& message)
{
    LogSink sink;
    std::string processName;
    {
        std::lock_guard lock(state().mutex);
        sink = state().sink;
        processName = state().processName;
    }
    if (sink) {
        sink(level, message);
        return;
    }
    std::fprintf(stderr, "%s[%d] <%s>: %s\n", processName.c_str(), static_cast<int>(getpid()),
        levelName(level), message.c_str());
}

} // namespace objc
