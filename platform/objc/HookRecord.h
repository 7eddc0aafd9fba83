#pragma once

#include "objc/Class.h"

#include <string>
#include <vector>

namespace objc {

// What the hooking framework installed in the current simulated process, in order: the host
// reports it after loading a library, and tests check it.
struct InstalledHook {
    std::string className;
    std::string selector;
};

void recordInstalledHook(Class cls, SEL selector);
std::vector<InstalledHook> installedHooks();

} // namespace objc
