#pragma once

#include "base/HookGroup.h"
#include "contracts/FBRootWindow.h"
#include "objc/ProcessLocal.h"
#include "uikit/UIWindow.h"

namespace lumora {

// SpringBoard's root window as one display-overlay source unit captured it. Each unit (the
// tag type) replaces FBRootWindow initWithDisplay: on its own and keeps its own reference; the
// replacements chain, so after each root window is made all units hold that newest window.
template <class Unit> class RootWindowCapture {
public:
    static std::shared_ptr<UIWindow> window() { return *s_window; }

    static void install(const char* sourceLabel, int line)
    {
        HookGroup { sourceLabel, line }.hookClass(
            "FBRootWindow", { { contracts::FBRootWindow::initWithDisplay, &initWithDisplay, &s_previous } });
    }

private:
    static id initWithDisplay(id self, SEL cmd, std::shared_ptr<NSObject> display)
    {
        id window = s_previous(self, cmd, std::move(display));
        *s_window = objc::cast<UIWindow>(objc::retain(window));
        return window;
    }

    static inline objc::IMP<id, std::shared_ptr<NSObject>> s_previous;
    static inline objc::ProcessLocal<std::shared_ptr<UIWindow>> s_window;
};

} // namespace lumora
