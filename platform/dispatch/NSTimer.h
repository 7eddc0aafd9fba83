#pragma once

#include "dispatch/RunLoop.h"
#include "objc/NSObject.h"

#include <functional>
#include <memory>

// A timer on the main run loop's virtual clock. The run loop keeps a scheduled timer until it
// is invalidated (a one-shot timer invalidates itself after firing). The target-action form
// holds its target weakly, so a timer never keeps its owner alive; once the target is gone the
// timer is invalid and the run loop drops it.
class NSTimer : public NSObject {
    OBJC_CLASS(NSTimer, NSObject)
public:
    // The platform's floor for a period of zero or less: 0.1 milliseconds.
    static constexpr NSTimeInterval minimumInterval = 0.0001;

    static std::shared_ptr<NSTimer> scheduledTimerWithTimeInterval(
        NSTimeInterval interval, std::function<void(NSTimer*)> block, bool repeats);

    template <class Target>
    static std::shared_ptr<NSTimer> scheduledTimerWithTimeInterval(NSTimeInterval interval,
        const std::shared_ptr<Target>& target, void (Target::*selector)(NSTimer*), bool repeats)
    {
        std::weak_ptr<Target> weakTarget = target;
        auto timer = std::make_shared<NSTimer>(
            interval,
            [weakTarget, selector](NSTimer* timer) {
                if (auto strongTarget = weakTarget.lock())
                    ((*strongTarget).*selector)(timer);
            },
            repeats);
        timer->m_target = weakTarget;
        timer->m_hasTarget = true;
        schedule(timer);
        return timer;
    }

    NSTimer(NSTimeInterval interval, std::function<void(NSTimer*)> block, bool repeats);

    void fire();
    void invalidate() { m_valid = false; }
    // False once invalidated, or once its target is gone.
    bool isValid() const { return m_valid && !(m_hasTarget && m_target.expired()); }
    bool repeats() const { return m_repeats; }
    NSTimeInterval timeInterval() const { return m_interval; }
    // The period the loop reschedules by: timeInterval, or the floor when it is zero or less.
    NSTimeInterval effectiveInterval() const;
    CFAbsoluteTime fireDate() const { return m_fireDate; }
    void setFireDate(CFAbsoluteTime date) { m_fireDate = date; }

private:
    static void schedule(const std::shared_ptr<NSTimer>&);

    std::weak_ptr<void> m_target;
    bool m_hasTarget { false };
    NSTimeInterval m_interval;
    std::function<void(NSTimer*)> m_block;
    bool m_repeats;
    bool m_valid { true };
    CFAbsoluteTime m_fireDate { 0 };
};
