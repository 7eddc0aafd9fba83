#pragma once

// Restarts the lock screen's idle countdown when `enabled` (an overlay's dim-reset setting),
// so the screen dims only a full idle interval after an overlay opened or closed.
void LMResetLockScreenDimIfEnabled(bool enabled);
