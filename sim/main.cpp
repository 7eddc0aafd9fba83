// The main job, until the simulator proper exists: boots two hosts with Lumora loaded and
// prints what was installed and what was logged.
#include "hooks/LumoraLibrary.h"
#include "objc/CFLog.h"
#include "objc/HookRecord.h"
#include "springboard/SpringBoard.h"

#include <cstdio>
#include <string>
#include <vector>

namespace {

void boot(const char* title, springboard::Device device)
{
    std::printf("== %s\n", title);
    std::vector<std::string> logged;
    auto previousSink = objc::setLogSink([&](int, const std::string& message) { logged.push_back(message); });
    springboard::SpringBoard host(std::move(device));
    host.loadLibrary(lumora::initialisers());
    host.buildWindows();
    objc::setLogSink(std::move(previousSink));

    auto installed = objc::installedHooks();
    std::printf("installed %zu replacements:\n", installed.size());
    for (auto& hook : installed)
        std::printf("  %s %s\n", hook.className.c_str(), hook.selector.c_str());
    std::printf("logged %zu lines:\n", logged.size());
    for (auto& line : logged)
        std::printf("  %s\n", line.c_str());
}

} // namespace

int main()
{
    springboard::Device ios93;
    ios93.systemVersion = "9.3";
    boot("iOS 9.3", ios93);

    springboard::Device ios101;
    ios101.systemVersion = "10.1";
    ios101.missingClasses = { "SBLockScreenViewController" };
    boot("iOS 10.1 without SBLockScreenViewController", ios101);
    return 0;
}
