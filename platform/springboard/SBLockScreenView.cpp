#include "springboard/SBLockScreenView.h"

#include "contracts/SBLockScreenView.h"
#include "springboard/HostSupport.h"
#include "springboard/SBFLockScreenDateView.h"
#include "springboard/SBLockScreenNotificationListView.h"
#include "uikit/UIColor.h"
#include "uikit/UIScrollView.h"

#include <algorithm>

namespace springboard {

namespace {

using Messages = contracts::SBLockScreenView;

constexpr CGFloat dateTop = 30;
constexpr CGFloat accessoryGap = 8;
constexpr CGFloat grabberWidth = 36;
constexpr CGFloat grabberHeight = 5;
constexpr CGFloat cornerButtonSize = 30;
constexpr CGFloat bottomBand = 110;

} // namespace

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

std::shared_ptr<SBLockScreenView> SBLockScreenView::createWithFrame(CGRect frame)
{
    auto view = std::make_shared<SBLockScreenView>();
    return objc::cast<SBLockScreenView>(objc::retain(Messages::initWithFrame(view.get(), frame)));
}

void SBLockScreenView::layoutSubviews()
{
    Messages::layoutSubviews(this);
}

std::shared_ptr<UIScrollView> SBLockScreenView::foregroundScrollView() const
{
    return objc::cast<UIScrollView>(m_foregroundScrollView);
}

id SBLockScreenView::ownInitWithFrame(CGRect frame)
{
    setFrame(frame);
    setAccessibilityIdentifier("SBLockScreenView");
    auto scrollView = UIScrollView::create();
    scrollView->setAccessibilityIdentifier("_foregroundScrollView");
    scrollView->setScrollEnabled(false);
    scrollView->setShowsHorizontalScrollIndicator(false);
    scrollView->setShowsVerticalScrollIndicator(false);
    m_foregroundScrollView = scrollView;
    m_pluginView = makeView("_pluginView");
    m_topGrabberView = makeGrabber("_topGrabberView");
    m_bottomGrabberView = makeGrabber("_bottomGrabberView");
    m_bottomLeftGrabberView = makeView("_bottomLeftGrabberView");
    m_bottomLeftGrabberView->layer().setBorderWidth(1.5);
    m_bottomLeftGrabberView->layer().setBorderColor(UIColor::colorWithWhite(1, 0.6));
    m_bottomLeftGrabberView->layer().setCornerRadius(7);
    auto slideToUnlock = makeLabel("_slideToUnlockView", "HelveticaNeue-Light", 25);
    slideToUnlock->setText("slide to unlock");
    slideToUnlock->setTextColor(UIColor::colorWithWhite(1, 0.85));
    m_slideToUnlockView = slideToUnlock;
    m_notificationView = SBLockScreenNotificationListView::create();
    m_notificationView->setAccessibilityIdentifier("_notificationView");
    m_dateView = SBFLockScreenDateView::create();
    addSubview(m_foregroundScrollView);
    for (auto& view : { m_pluginView, m_notificationView, m_slideToUnlockView, m_topGrabberView,
             m_bottomGrabberView, m_bottomLeftGrabberView })
        m_foregroundScrollView->addSubview(view);
    m_foregroundScrollView->addSubview(m_dateView);
    return this;
}

void SBLockScreenView::ownLayoutSubviews()
{
    CGSize size = bounds().size;
    m_foregroundScrollView->setFrame(bounds());
    if (auto scrollView = foregroundScrollView()) {
        scrollView->setContentSize(CGSizeMake(2 * size.width, size.height));
        scrollView->setContentOffset(CGPointMake(pageX(), 0));
    }
    m_pluginView->setFrame(CGRectMake(pageX(), 0, size.width, size.height));
    m_dateView->setFrame(CGRectMake(
        pageX(), dateTop, size.width, SBFLockScreenDateView::timeHeight + SBFLockScreenDateView::dateHeight));
    m_dateView->setNeedsLayout();
    layoutAccessories();
    Messages::_layoutSlideToUnlockView(this);
    Messages::_layoutGrabberView(this, m_topGrabberView, true);
    Messages::_layoutGrabberView(this, m_bottomGrabberView, false);
    m_bottomLeftGrabberView->setFrame(
        CGRectMake(pageX() + 10, size.height - 10 - cornerButtonSize, cornerButtonSize, cornerButtonSize));
    Messages::_layoutNotificationView(this);
}

void SBLockScreenView::ownLayoutSlideToUnlockView()
{
    CGSize size = bounds().size;
    m_slideToUnlockView->setFrame(CGRectMake(pageX(), size.height - 84, size.width, 30));
}

void SBLockScreenView::ownLayoutGrabberView(std::shared_ptr<UIView> grabber, bool atTop)
{
    if (!grabber)
        return;
    CGSize size = bounds().size;
    // The top one sits under the status bar.
    CGFloat y = atTop ? 24 : size.height - 6 - grabberHeight;
    grabber->setFrame(CGRectMake(pageX() + (size.width - grabberWidth) / 2, y, grabberWidth, grabberHeight));
}

void SBLockScreenView::ownLayoutNotificationView()
{
    CGSize size = bounds().size;
    CGFloat top = accessoriesBottom() + accessoryGap;
    m_notificationView->setFrame(
        CGRectMake(pageX(), top, size.width, std::max<CGFloat>(0, size.height - bottomBand - top)));
}

CGFloat SBLockScreenView::accessoriesBottom() const
{
    CGFloat bottom = CGRectGetMaxY(m_dateView->frame());
    for (auto& accessory : { m_timerView, m_chargingView, m_mediaControlsView }) {
        if (accessory)
            bottom = std::max(bottom, CGRectGetMaxY(accessory->frame()));
    }
    return bottom;
}

void SBLockScreenView::layoutAccessories()
{
    CGSize size = bounds().size;
    CGFloat y = CGRectGetMaxY(m_dateView->frame());
    for (auto& accessory : { m_timerView, m_chargingView, m_mediaControlsView }) {
        if (!accessory)
            continue;
        CGSize own = accessory->frame().size;
        y += accessoryGap;
        accessory->setFrame(CGRectMake(pageX() + (size.width - own.width) / 2, y, own.width, own.height));
        y += own.height;
    }
    if (m_cameraGrabberView)
        m_cameraGrabberView->setFrame(CGRectMake(pageX() + size.width - 10 - cornerButtonSize,
            size.height - 10 - cornerButtonSize, cornerButtonSize, cornerButtonSize));
}

void SBLockScreenView::replaceAccessory(std::shared_ptr<UIView>& slot, std::shared_ptr<UIView> view)
{
    if (slot)
        slot->removeFromSuperview();
    slot = std::move(view);
    if (slot)
        m_foregroundScrollView->addSubview(slot);
    setNeedsLayout();
}

void SBLockScreenView::setCameraGrabberView(std::shared_ptr<UIView> view)
{
    replaceAccessory(m_cameraGrabberView, std::move(view));
}

void SBLockScreenView::setTimerView(std::shared_ptr<UIView> view)
{
    replaceAccessory(m_timerView, std::move(view));
}

void SBLockScreenView::setChargingView(std::shared_ptr<UIView> view)
{
    replaceAccessory(m_chargingView, std::move(view));
}

void SBLockScreenView::setMediaControlsView(std::shared_ptr<UIView> view)
{
    replaceAccessory(m_mediaControlsView, std::move(view));
}

} // namespace springboard
