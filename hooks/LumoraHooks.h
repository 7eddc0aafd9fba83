#pragma once

#include "base/HookGroup.h"

// The main file's replacements, by the SpringBoard classes they replace methods of.
namespace lumora {

void installBacklightHooks(const HookGroup&);
void installLockScreenViewHooks(const HookGroup&);
void installLockScreenViewControllerHooks(const HookGroup&);
void installTodayHooks(const HookGroup&);
void installSearchHooks(const HookGroup&);

} // namespace lumora
