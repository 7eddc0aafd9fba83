#pragma once

namespace contracts {
class OBNotificationRow;
}

// Opens what a tapped notification stands for. On the lock screen the user is asked to unlock
// first when needed; elsewhere the app is activated directly, and the host asks for the unlock
// itself when the device turns out to be locked (the Today page shows over a locked device).
class LMNotificationLauncher {
public:
    static void open(contracts::OBNotificationRow&, int location);
};
