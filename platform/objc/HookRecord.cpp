#include "objc/HookRecord.h"

#include "objc/ProcessLocal.h"

#include <mutex>

namespace objc {
namespace {

std::mutex mutex;

ProcessLocal<std::vector<InstalledHook>>& record()
{
    static ProcessLocal<std::vector<InstalledHook>> installed;
    return installed;
}

} // namespace

void recordInstalledHook(Class cls, SEL selector)
{
    std::lock_guard lock(mutex);
    record()->push_back({ cls->name(), sel_getName(selector) });
}

std::vector<InstalledHook> installedHooks()
{
    std::lock_guard lock(mutex);
    return *record();
}

} // namespace objc
