#pragma once

#include "base/LMEnums.h"

#include <memory>

namespace contracts {
class TimerManager;
}

// What the system asks of SpringBoard's state, each looked up once per process and answering
// sensibly when the host lacks the class.
class LMSpringBoard {
public:
    // Upright when the application is not SpringBoard's, as the support library assumes.
    static LMOrientation orientation();
    // A phone or FaceTime call is under way or ringing.
    static bool callUnderWay();
    static bool screenIsOn();
    static bool isUILocked();
    // The clock's countdown timer; nothing on a host without one.
    static std::shared_ptr<contracts::TimerManager> timerManager();
};
