#include "springboard/SBFLockScreenDateView.h"

#include "contracts/SBFLockScreenDateView.h"
#include "springboard/HostSupport.h"

namespace springboard {

std::shared_ptr<SBFLockScreenDateView> SBFLockScreenDateView::create()
{
    auto dateView = std::make_shared<SBFLockScreenDateView>();
    dateView->setAccessibilityIdentifier("_dateView");
    dateView->setUserInteractionEnabled(false);
    dateView->m_legibilityTimeLabel = makeLabel("_legibilityTimeLabel", "HelveticaNeue-UltraLight", 80);
    dateView->m_legibilityDateLabel = makeLabel("_legibilityDateLabel", "HelveticaNeue-Light", 18);
    dateView->addSubview(dateView->m_legibilityTimeLabel);
    dateView->addSubview(dateView->m_legibilityDateLabel);
    dateView->updateTexts();
    std::weak_ptr<SBFLockScreenDateView> weakDateView = dateView;
    repeatEveryMinute(dateView, [weakDateView] { weakDateView.lock()->updateTexts(); });
    return dateView;
}

void SBFLockScreenDateView::registerMethods(Class cls)
{
    cls->addMethod(contracts::SBFLockScreenDateView::_layoutTimeLabel,
        objc::implementation<&SBFLockScreenDateView::ownLayoutTimeLabel>);
    cls->addIvar("_legibilityTimeLabel", &SBFLockScreenDateView::m_legibilityTimeLabel);
    cls->addIvar("_legibilityDateLabel", &SBFLockScreenDateView::m_legibilityDateLabel);
}

void SBFLockScreenDateView::layoutSubviews()
{
    contracts::SBFLockScreenDateView::_layoutTimeLabel(this);
}

void SBFLockScreenDateView::ownLayoutTimeLabel()
{
    CGFloat width = bounds().size.width;
    m_legibilityTimeLabel->setFrame(CGRectMake(0, 0, width, timeHeight));
    m_legibilityDateLabel->setFrame(CGRectMake(0, timeHeight, width, dateHeight));
}

void SBFLockScreenDateView::updateTexts()
{
    if (auto label = objc::cast<UILabel>(m_legibilityTimeLabel))
        label->setText(formatNow(timeOfDayPattern()));
    if (auto label = objc::cast<UILabel>(m_legibilityDateLabel))
        label->setText(formatNow("EEEE, MMMM d"));
}

} // namespace springboard
