#pragma once

#include "objc/Class.h"
#include "objc/HookRecord.h"

// The hooking framework's one call. Replaces the implementation of `selector` on `cls` (the
// class's own table; an inherited implementation is overridden for this class and its
// subclasses) and stores what callers reached before in *previous, which may itself be an
// earlier replacement. A method nobody implements leaves *previous answering nothing.
// A replacement whose signature differs from the method's throws objc::SignatureMismatch and
// installs nothing.
template <class R, class... A>
void MSHookMessageEx(Class cls, SEL selector, objc::IMP<R, A...> replacement, objc::IMP<R, A...>* previous)
{
    if (!cls || !selector || !replacement)
        return;
    objc::IMP<R, A...> before = &objc::nothing<R, A...>;
    if (auto method = cls->lookupInstanceMethod(selector))
        before = method->template as<objc::IMP<R, A...>>(selector);
    if (previous)
        *previous = before;
    cls->addMethod(selector, replacement);
    objc::recordInstalledHook(cls, selector);
}
