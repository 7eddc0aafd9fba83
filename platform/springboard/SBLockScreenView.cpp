#include "springboard/SBLockScreenView.h"

#include "contracts/SBLockScreenView.h"
#include "springboard/SBFLockScreenDateView.h"

namespace springboard {

using Messages = contracts::SBLockScreenView;

void SBLockScreenView::registerMethods(Class cls)
{
    cls->addMethod(Messages::initWithFrame, objc::implementation<&SBLockScreenView::ownInitWithFrame>);
    cls->addMethod(Messages::layoutSubviews, objc::implementation<&SBLockScreenView::ownLayoutSubviews>);
    cls->addMethod(Messages::_layoutSlideToUnlockView,
        objc::implementation<&SBLockScreenView::ownLayoutSlideToUnlockView>);
    cls->addMethod(
        Messages::_layoutGrabberView, objc::implementation<&SBLockScreenView::ownLayoutGrabberView>);
    cls->addMethod(Messages::_layoutNotificationView,
        objc::implementation<&SBLockScreenView::ownLayoutNotificationView>);
    cls->addMethod(Messages::coordinatedPresentingControllerIdentifier,
        objc::implementation<&SBLockScreenView::ownCoordinatedPresentingControllerIdentifier>);
    cls->addIvar("_foregroundScrollView", &SBLockScreenView::m_foregroundScrollView);
    cls->addIvar("_pluginView", &SBLockScreenView::m_pluginView);
    cls->addIvar("_bottomLeftGrabberView", &SBLockScreenView::m_bottomLeftGrabberView);
    cls->addIvar("_slideToUnlockView", &SBLockScreenView::m_slideToUnlockView);
    cls->addIvar("_notificationView", &SBLockScreenView::m_notificationView);
}

void SBLockScreenView::layoutSubviews()
{
    Messages::layoutSubviews(this);
}

id SBLockScreenView::ownInitWithFrame(CGRect frame)
{
    setFrame(frame);
    auto make = [this](const char* identifier) {
        auto view = UIView::create();
        view->setAccessibilityIdentifier(identifier);
        return view;
    };
    m_foregroundScrollView = make("_foregroundScrollView");
    m_pluginView = make("_pluginView");
    m_topGrabberView = make("_topGrabberView");
    m_bottomLeftGrabberView = make("_bottomLeftGrabberView");
    m_slideToUnlockView = make("_slideToUnlockView");
    m_notificationView = make("_notificationView");
    m_dateView = std::make_shared<SBFLockScreenDateView>();
    m_dateView->setAccessibilityIdentifier("SBFLockScreenDateView");
    addSubview(m_foregroundScrollView);
    for (auto& view :
        { m_pluginView, m_notificationView, m_slideToUnlockView, m_topGrabberView, m_bottomLeftGrabberView })
        m_foregroundScrollView->addSubview(view);
    m_foregroundScrollView->addSubview(m_dateView);
    return this;
}

void SBLockScreenView::ownLayoutSubviews()
{
    CGRect bounds = this->bounds();
    m_foregroundScrollView->setFrame(bounds);
    m_pluginView->setFrame(bounds);
    m_dateView->setFrame(CGRectMake(0, 30, bounds.size.width, 120));
    m_dateView->layoutTimeLabel();
    Messages::_layoutSlideToUnlockView(this);
    Messages::_layoutGrabberView(this, m_topGrabberView, true);
    Messages::_layoutGrabberView(this, m_bottomLeftGrabberView, false);
    Messages::_layoutNotificationView(this);
}

void SBLockScreenView::ownLayoutSlideToUnlockView()
{
    CGRect bounds = this->bounds();
    m_slideToUnlockView->setFrame(CGRectMake(0, bounds.size.height - 90, bounds.size.width, 40));
}

void SBLockScreenView::ownLayoutGrabberView(std::shared_ptr<UIView> grabber, bool atTop)
{
    if (!grabber)
        return;
    CGRect bounds = this->bounds();
    if (atTop)
        grabber->setFrame(CGRectMake(bounds.size.width / 2 - 18, 4, 36, 12));
    else
        grabber->setFrame(CGRectMake(10, bounds.size.height - 40, 30, 30));
}

void SBLockScreenView::ownLayoutNotificationView()
{
    CGRect bounds = this->bounds();
    m_notificationView->setFrame(CGRectMake(0, 160, bounds.size.width, bounds.size.height - 270));
}

} // namespace springboard
