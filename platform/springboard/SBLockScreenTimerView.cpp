#include "springboard/SBLockScreenTimerView.h"

#include "dispatch/NSTimer.h"
#include "mobiletimer/TimerManager.h"
#include "springboard/HostSupport.h"

namespace springboard {

std::shared_ptr<SBLockScreenTimerView> SBLockScreenTimerView::create(CGFloat width)
{
    auto view = std::make_shared<SBLockScreenTimerView>();
    view->setAccessibilityIdentifier("_timerView");
    view->setFrame(CGRectMake(0, 0, width, 24));
    view->setUserInteractionEnabled(false);
    view->m_label = makeLabel("_timerLabel", "HelveticaNeue-Light", 18);
    view->m_label->setFrame(view->bounds());
    view->m_label->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    view->addSubview(view->m_label);
    view->update();
    std::weak_ptr<SBLockScreenTimerView> weakView = view;
    view->m_ticker = NSTimer::scheduledTimerWithTimeInterval(
        1,
        [weakView](NSTimer*) {
            if (auto self = weakView.lock())
                self->update();
        },
        true);
    return view;
}

SBLockScreenTimerView::~SBLockScreenTimerView()
{
    if (m_ticker)
        m_ticker->invalidate();
}

void SBLockScreenTimerView::update()
{
    m_label->setText(
        "Timer  " + formatCountdown(mobiletimer::TimerManager::sharedManager()->remainingTime()));
}

} // namespace springboard
