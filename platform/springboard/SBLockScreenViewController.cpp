#include "springboard/SBLockScreenViewController.h"

#include "contracts/SBLockScreenViewController.h"
#include "iokit/Battery.h"
#include "mobiletimer/TimerManager.h"
#include "springboard/FBRootWindow.h"
#include "springboard/HostSupport.h"
#include "springboard/SBAwayBulletinListItem.h"
#include "springboard/SBLockScreenBatteryChargingView.h"
#include "springboard/SBLockScreenFullscreenBulletinViewController.h"
#include "springboard/SBLockScreenMediaControlsView.h"
#include "springboard/SBLockScreenTimerView.h"
#include "springboard/SBLockScreenView.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIColor.h"
#include "uikit/UISwipeGestureRecognizer.h"

namespace springboard {

namespace {

using Messages = contracts::SBLockScreenViewController;

constexpr CGFloat accessoryMargin = 16;

// Running or paused: the lock screen shows the countdown either way.
bool isClockTimerSet()
{
    return mobiletimer::TimerManager::sharedManager()->state() != mobiletimer::TimerManager::Stopped;
}

std::shared_ptr<UIView> makeCameraGlyph()
{
    auto grabber = makeView("_cameraGrabberView");
    auto body = makeView("cameraBody");
    body->setFrame(CGRectMake(4, 8, 22, 15));
    body->layer().setBorderWidth(1.5);
    body->layer().setBorderColor(UIColor::colorWithWhite(1, 0.8));
    body->layer().setCornerRadius(3);
    auto lens = makeView("cameraLens");
    lens->setFrame(CGRectMake(11, 11, 8, 8));
    lens->layer().setBorderWidth(1.5);
    lens->layer().setBorderColor(UIColor::colorWithWhite(1, 0.8));
    lens->layer().setCornerRadius(4);
    grabber->addSubview(body);
    grabber->addSubview(lens);
    return grabber;
}

} // namespace

void SBLockScreenViewController::registerMethods(Class cls)
{
    using Self = SBLockScreenViewController;
    cls->addMethod(Messages::_handleDisplayTurnedOff, objc::implementation<&Self::ownHandleDisplayTurnedOff>);
    cls->addMethod(
        Messages::_addCameraGrabberIfNecessary, objc::implementation<&Self::ownAddCameraGrabberIfNecessary>);
    cls->addMethod(Messages::activateCameraAnimated, objc::implementation<&Self::ownActivateCameraAnimated>);
    cls->addMethod(Messages::_createCameraControllerIfNecessary,
        objc::implementation<&Self::ownCreateCameraControllerIfNecessary>);
    cls->addMethod(Messages::statusBarStyle, objc::implementation<&Self::ownStatusBarStyle>);
    cls->addMethod(Messages::_effectiveVisibleStatusBarAlpha,
        objc::implementation<&Self::ownEffectiveVisibleStatusBarAlpha>);
    cls->addMethod(
        Messages::showsSpringBoardStatusBar, objc::implementation<&Self::ownShowsSpringBoardStatusBar>);
    cls->addMethod(Messages::_addBatteryChargingViewAndShowBattery,
        objc::implementation<&Self::ownAddBatteryChargingViewAndShowBattery>);
    cls->addMethod(Messages::_addTimerView, objc::implementation<&Self::ownAddTimerView>);
    cls->addMethod(
        Messages::_addTimerViewIfNecessary, objc::implementation<&Self::ownAddTimerViewIfNecessary>);
    cls->addMethod(
        Messages::_setMediaControlsVisible, objc::implementation<&Self::ownSetMediaControlsVisible>);
    cls->addMethod(Messages::_addFullscreenBulletinViewWithItem,
        objc::implementation<&Self::ownAddFullscreenBulletinViewWithItem>);
    cls->addMethod(Messages::presentFullscreenBulletinAlertWithItem,
        objc::implementation<&Self::ownPresentFullscreenBulletinAlertWithItem>);
}

void SBLockScreenViewController::loadView()
{
    setView(SBLockScreenView::createWithFrame(currentDevice().screenBounds()));
}

void SBLockScreenViewController::viewDidLoad()
{
    Messages::_addCameraGrabberIfNecessary(this);
}

void SBLockScreenViewController::viewWillAppear(bool)
{
    Messages::_createCameraControllerIfNecessary(this);
}

std::shared_ptr<SBLockScreenView> SBLockScreenViewController::lockScreenView()
{
    return objc::cast<SBLockScreenView>(view());
}

void SBLockScreenViewController::present()
{
    auto& lockScreen = view();
    beginAppearanceTransition(true, false);
    if (auto& root = SpringBoard::current().rootWindow())
        root->addSubviewInLayer(lockScreen, RootWindowLayer::LockScreen);
    layoutLockScreen();
    endAppearanceTransition();
    if (iokit::Battery::state().charging)
        chargerChanged();
    if (isClockTimerSet())
        timerChanged();
    if (currentDevice().media.isPlaying())
        showMediaControls();
}

void SBLockScreenViewController::dismiss()
{
    // Through its dismiss action, so that whoever watches bulletins hears that it went.
    if (m_bulletinViewController)
        m_bulletinViewController->performDismissAction();
    dismissCamera();
    beginAppearanceTransition(false, false);
    view()->removeFromSuperview();
    endAppearanceTransition();
}

void SBLockScreenViewController::layoutLockScreen()
{
    auto lockScreen = lockScreenView();
    lockScreen->setFrame(currentDevice().screenBounds());
    lockScreen->setNeedsLayout();
    lockScreen->layoutIfNeeded();
}

void SBLockScreenViewController::chargerChanged()
{
    if (iokit::Battery::state().charging)
        Messages::_addBatteryChargingViewAndShowBattery(this, true);
    else
        lockScreenView()->setChargingView(nullptr);
}

void SBLockScreenViewController::batteryChanged()
{
    if (auto charging = objc::cast<SBLockScreenBatteryChargingView>(lockScreenView()->chargingView()))
        charging->update();
}

void SBLockScreenViewController::timerChanged()
{
    if (isClockTimerSet())
        Messages::_addTimerViewIfNecessary(this);
    else
        lockScreenView()->setTimerView(nullptr);
}

void SBLockScreenViewController::musicChanged()
{
    if (auto controls = objc::cast<SBLockScreenMediaControlsView>(lockScreenView()->mediaControlsView()))
        controls->update();
    if (currentDevice().media.isPlaying())
        showMediaControls();
}

void SBLockScreenViewController::showMediaControls()
{
    Messages::_setMediaControlsVisible(this, true);
}

void SBLockScreenViewController::swipeCamera()
{
    Messages::activateCameraAnimated(this, true);
}

bool SBLockScreenViewController::dismissCamera()
{
    if (!m_cameraView)
        return false;
    m_cameraView->removeFromSuperview();
    m_cameraView = nullptr;
    return true;
}

void SBLockScreenViewController::presentFullscreenBulletin(std::shared_ptr<NSObject> item)
{
    Messages::presentFullscreenBulletinAlertWithItem(this, std::move(item));
}

void SBLockScreenViewController::fullscreenBulletinDidDismiss()
{
    auto bulletin = std::move(m_bulletinViewController);
    if (!bulletin)
        return;
    bulletin->beginAppearanceTransition(false, true);
    bulletin->view()->removeFromSuperview();
    bulletin->endAppearanceTransition();
}

void SBLockScreenViewController::ownHandleDisplayTurnedOff()
{
    dismissCamera();
    if (!currentDevice().media.isPlaying())
        lockScreenView()->setMediaControlsView(nullptr);
}

void SBLockScreenViewController::ownAddCameraGrabberIfNecessary()
{
    auto lockScreen = lockScreenView();
    if (lockScreen->cameraGrabberView())
        return;
    auto grabber = makeCameraGlyph();
    auto swipe = std::make_shared<UISwipeGestureRecognizer>();
    swipe->setDirection(UISwipeGestureRecognizerDirectionUp);
    std::weak_ptr<SBLockScreenViewController> weakSelf = objc::retain(this);
    swipe->addTarget([weakSelf](UIGestureRecognizer*) {
        if (auto self = weakSelf.lock())
            self->swipeCamera();
    });
    grabber->addGestureRecognizer(swipe);
    lockScreen->setCameraGrabberView(grabber);
}

void SBLockScreenViewController::ownActivateCameraAnimated(bool)
{
    if (!m_hasCameraController || m_cameraView)
        return;
    auto lockScreen = lockScreenView();
    m_cameraView = makeView("_cameraView", UIColor::blackColor());
    m_cameraView->setFrame(lockScreen->bounds());
    auto label = makeLabel("_cameraLabel", "HelveticaNeue-Light", 20);
    label->setText("Camera");
    label->setFrame(CGRectMake(0, 40, lockScreen->bounds().size.width, 30));
    auto shutter = makeView("_shutterButton", UIColor::whiteColor());
    shutter->setFrame(
        CGRectMake(lockScreen->bounds().size.width / 2 - 33, lockScreen->bounds().size.height - 100, 66, 66));
    shutter->layer().setCornerRadius(33);
    m_cameraView->addSubview(label);
    m_cameraView->addSubview(shutter);
    lockScreen->addSubview(m_cameraView);
}

void SBLockScreenViewController::ownAddBatteryChargingViewAndShowBattery(bool showBattery)
{
    auto lockScreen = lockScreenView();
    if (showBattery && !lockScreen->chargingView())
        lockScreen->setChargingView(SBLockScreenBatteryChargingView::create());
}

void SBLockScreenViewController::ownAddTimerView()
{
    auto lockScreen = lockScreenView();
    if (!lockScreen->timerView())
        lockScreen->setTimerView(SBLockScreenTimerView::create(lockScreen->bounds().size.width));
}

void SBLockScreenViewController::ownAddTimerViewIfNecessary()
{
    if (isClockTimerSet() && !lockScreenView()->timerView())
        Messages::_addTimerView(this);
}

void SBLockScreenViewController::ownSetMediaControlsVisible(bool visible)
{
    auto lockScreen = lockScreenView();
    if (!visible)
        lockScreen->setMediaControlsView(nullptr);
    else if (!lockScreen->mediaControlsView())
        lockScreen->setMediaControlsView(
            SBLockScreenMediaControlsView::create(lockScreen->bounds().size.width - 2 * accessoryMargin));
}

void SBLockScreenViewController::ownAddFullscreenBulletinViewWithItem(std::shared_ptr<NSObject> item)
{
    fullscreenBulletinDidDismiss();
    m_bulletinViewController = SBLockScreenFullscreenBulletinViewController::create(
        objc::cast<SBAwayBulletinListItem>(item), objc::retain(this));
    auto bulletin = m_bulletinViewController;
    bulletin->view();
    bulletin->beginAppearanceTransition(true, true);
    if (auto& root = SpringBoard::current().rootWindow())
        root->addSubviewInLayer(bulletin->view(), RootWindowLayer::FullscreenBulletin);
    bulletin->endAppearanceTransition();
}

void SBLockScreenViewController::ownPresentFullscreenBulletinAlertWithItem(std::shared_ptr<NSObject> item)
{
    Messages::_addFullscreenBulletinViewWithItem(this, std::move(item));
}

} // namespace springboard
