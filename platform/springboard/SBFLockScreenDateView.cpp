#include "springboard/SBFLockScreenDateView.h"

#include "contracts/SBFLockScreenDateView.h"

namespace springboard {

SBFLockScreenDateView::SBFLockScreenDateView()
    : m_legibilityTimeLabel(UIView::create())
    , m_legibilityDateLabel(UIView::create())
{
    m_legibilityTimeLabel->setAccessibilityIdentifier("_legibilityTimeLabel");
    m_legibilityDateLabel->setAccessibilityIdentifier("_legibilityDateLabel");
}

void SBFLockScreenDateView::registerMethods(Class cls)
{
    cls->addMethod(contracts::SBFLockScreenDateView::_layoutTimeLabel,
        objc::implementation<&SBFLockScreenDateView::ownLayoutTimeLabel>);
    cls->addIvar("_legibilityTimeLabel", &SBFLockScreenDateView::m_legibilityTimeLabel);
    cls->addIvar("_legibilityDateLabel", &SBFLockScreenDateView::m_legibilityDateLabel);
}

void SBFLockScreenDateView::layoutTimeLabel()
{
    contracts::SBFLockScreenDateView::_layoutTimeLabel(this);
}

void SBFLockScreenDateView::ownLayoutTimeLabel()
{
    if (m_legibilityTimeLabel->superview().get() != this) {
        addSubview(m_legibilityTimeLabel);
        addSubview(m_legibilityDateLabel);
    }
    CGFloat width = bounds().size.width;
    m_legibilityTimeLabel->setFrame(CGRectMake(0, 0, width, 90));
    m_legibilityDateLabel->setFrame(CGRectMake(0, 90, width, 24));
}

} // namespace springboard
