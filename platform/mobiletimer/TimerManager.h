#pragma once

#include "contracts/TimerManager.h"
#include "dispatch/RunLoop.h"
#include "objc/NSObject.h"

#include <functional>
#include <memory>
#include <string>

class NSTimer;

namespace mobiletimer {

// The Clock's one countdown timer, on the main run loop's virtual clock (seconds since 2001).
// A running timer fires at its fire time: it stops and tells the fire handler, the host's cue
// to show its full-screen bulletin. The timer is kept in the Clock's file, so a timer that runs
// or is paused when the host restarts goes on in the next process; one that came due meanwhile
// fires as soon as the run loop turns. The host sets the fire handler at boot, which also makes
// the manager and so arms a stored timer.
class TimerManager : public NSObject, public contracts::TimerManager {
    OBJC_CLASS(TimerManager, NSObject)
public:
    enum State : int { Stopped = 1, Paused = 2, Running = 3 };

    static std::shared_ptr<TimerManager> sharedManager();
    static std::shared_ptr<TimerManager> create();

    std::string defaultSound() override { return "Chime"; }
    // Starts, or restarts, the timer; a time already past fires on the next turn of the run loop.
    // A time that is not a number is refused with std::invalid_argument.
    void scheduleAt(CFAbsoluteTime fireTime, const std::string& sound) override;
    int state() override { return m_state; }
    // While running, when it fires; while paused, when it would fire if resumed now; 0 stopped.
    CFAbsoluteTime fireTime() override;
    // Each does nothing unless the timer is running, paused, respectively not stopped.
    void pause() override;
    void resume() override;
    void cancel() override;

    // Seconds left to run: counting down while running, held while paused, 0 stopped.
    NSTimeInterval remainingTime() const;
    const std::string& sound() const { return m_sound; }
    void setFireHandler(std::function<void()> handler) { m_fireHandler = std::move(handler); }

    // Makes the class, with its class-side sharedManager, findable by name.
    static void registerClass();

private:
    void restore();
    void arm();
    void disarm();
    void store() const;
    void timerFired(NSTimer*);

    State m_state { Stopped };
    CFAbsoluteTime m_fireTime { 0 };
    NSTimeInterval m_remaining { 0 };
    std::string m_sound;
    std::shared_ptr<NSTimer> m_timer;
    std::function<void()> m_fireHandler;
};

} // namespace mobiletimer
