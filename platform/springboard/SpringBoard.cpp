#include "springboard/SpringBoard.h"

#include "dispatch/NSTimer.h"
#include "dispatch/RunLoop.h"
#include "eventkit/EventKit.h"
#include "foundation/NSLocale.h"
#include "foundation/NSTimeZone.h"
#include "iokit/Battery.h"
#include "mobiletimer/MobileTimer.h"
#include "mobiletimer/TimerManager.h"
#include "objc/CFLog.h"
#include "objc/ProcessLocal.h"
#include "orblib/DeviceApps.h"
#include "orblib/DeviceModel.h"
#include "orblib/OrbLib.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBApplication.h"
#include "springboard/SBApplicationController.h"
#include "springboard/SBAwayBulletinListItem.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBConferenceManager.h"
#include "springboard/SBFLockScreenDateView.h"
#include "springboard/SBInCallScreen.h"
#include "springboard/SBLockScreenFullscreenBulletinViewController.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenView.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBMediaController.h"
#include "springboard/SBNotificationCenterController.h"
#include "springboard/SBNotificationCenterLayoutViewController.h"
#include "springboard/SBNotificationCenterViewController.h"
#include "springboard/SBSearchGesture.h"
#include "springboard/SBSearchViewController.h"
#include "springboard/SBStatusBarView.h"
#include "springboard/SBTelephonyManager.h"
#include "springboard/SBUIController.h"
#include "springboard/SBWallpaperController.h"
#include "springboard/SPUINavigationController.h"
#include "springboard/SPUISearchViewController.h"
#include "springboard/SpringBoardApplication.h"
#include "uikit/NSProcessInfo.h"
#include "uikit/UIDevice.h"
#include "uikit/UIScreen.h"

#include <stdexcept>

namespace springboard {
namespace {

struct HostClass {
    Class cls;
    void (*registerMethods)(Class);
};

objc::ProcessLocal<SpringBoard*> s_current { nullptr };

// How far a drag has brought the search page at each step of openSearchPage.
constexpr double searchDragSteps[] = { 0, 0.25, 0.5, 0.75, 1 };

std::shared_ptr<SBLockScreenViewController> lockScreen()
{
    return SBLockScreenManager::sharedInstance()->lockScreenViewController();
}

std::shared_ptr<mobiletimer::TimerManager> clockTimer()
{
    return mobiletimer::TimerManager::sharedManager();
}

} // namespace

Device& currentDevice()
{
    return SpringBoard::current().device();
}

SpringBoard::SpringBoard(Device device)
    : m_device(std::move(device))
{
    auto timeZone = NSTimeZone::timeZoneWithName(m_device.timeZone);
    if (!timeZone)
        throw std::invalid_argument("unknown time zone \"" + m_device.timeZone + "\"");
    if (m_device.orientation < 1 || m_device.orientation > 4)
        throw std::invalid_argument("orientation " + std::to_string(m_device.orientation) + " is not 1 to 4");
    objc::Runtime::beginProcess();
    dispatch::RunLoop::main().reset(m_device.startTime);
    s_current = this;
    objc::Runtime::atProcessEnd(objc::ProcessEndStage::Windows, [this] {
        m_rootWindow.reset();
        m_application.reset();
    });
    objc::setLogProcessName("SpringBoard");
    UIDevice::currentDevice()->setSystemVersion(m_device.systemVersion);
    NSTimeZone::setDefaultTimeZone(timeZone);
    NSLocale::setCurrentLocale(NSLocale::localeWithLocaleIdentifier(m_device.locale));
    UIScreen::setMainScreen(m_device.screenBounds(), m_device.screenScale);
    loadHardware();
    m_application = std::make_shared<SpringBoardApplication>();
    UIApplication::setSharedApplication(m_application);
    orblib::registerClasses();
    eventkit::registerClasses();
    mobiletimer::registerClasses();
    registerClasses();
    watchClockTimer();
}

SpringBoard::~SpringBoard()
{
    if (*s_current == this)
        objc::Runtime::endProcess();
}

SpringBoard& SpringBoard::current()
{
    if (!*s_current)
        throw std::logic_error("no SpringBoard is running");
    return **s_current;
}

void SpringBoard::loadHardware()
{
    auto battery = iokit::Battery::state();
    battery.level = m_device.battery.level;
    battery.charging = m_device.battery.charging;
    battery.lowPowerMode = m_device.battery.lowPowerMode;
    iokit::Battery::set(battery);
    NSProcessInfo::setLowPowerModeEnabled(battery.lowPowerMode);
    orblib::DeviceModel::set(m_device.model, m_device.sizeCode);
    std::vector<orblib::InstalledApp> apps;
    for (auto& app : m_device.applications)
        apps.push_back({ app.bundleIdentifier, app.displayName, app.icon, app.iconPath });
    orblib::DeviceApps::setApps(std::move(apps));
    orblib::DeviceApps::setSwitcher(m_device.switcherOrder);
    SBMediaController::publish(m_device.media);
}

void SpringBoard::registerClasses()
{
    const HostClass classes[] = {
        { SBBacklightController::staticClass(), &SBBacklightController::registerMethods },
        { SBLockScreenView::staticClass(), &SBLockScreenView::registerMethods },
        { SBFLockScreenDateView::staticClass(), &SBFLockScreenDateView::registerMethods },
        { SBLockScreenManager::staticClass(), &SBLockScreenManager::registerMethods },
        { SBUIController::staticClass(), &SBUIController::registerMethods },
        { SBTelephonyManager::staticClass(), &SBTelephonyManager::registerMethods },
        { SBConferenceManager::staticClass(), &SBConferenceManager::registerMethods },
        { SBWallpaperController::staticClass(), &SBWallpaperController::registerMethods },
        { SBAppStatusBarManager::staticClass(), &SBAppStatusBarManager::registerMethods },
        { SBMediaController::staticClass(), &SBMediaController::registerMethods },
        { SBApplication::staticClass(), nullptr },
        { SBApplicationController::staticClass(), &SBApplicationController::registerMethods },
        { SpringBoardApplication::staticClass(), nullptr },
        { FBRootWindow::staticClass(), &FBRootWindow::registerMethods },
        { SBLockScreenViewController::staticClass(), &SBLockScreenViewController::registerMethods },
        { SBLockScreenFullscreenBulletinViewController::staticClass(),
            &SBLockScreenFullscreenBulletinViewController::registerMethods },
        { SBNotificationCenterViewController::staticClass(),
            &SBNotificationCenterViewController::registerMethods },
        { SBNotificationCenterLayoutViewController::staticClass(),
            &SBNotificationCenterLayoutViewController::registerMethods },
        { SBSearchViewController::staticClass(), &SBSearchViewController::registerMethods },
        { SPUISearchViewController::staticClass(), &SPUISearchViewController::registerMethods },
        { SPUINavigationController::staticClass(), &SPUINavigationController::registerMethods },
    };
    for (auto& entry : classes) {
        if (entry.registerMethods)
            entry.registerMethods(entry.cls);
        objc::Runtime::registerClass(entry.cls);
    }
    // The support library's and the Clock store's classes can be missing too.
    for (auto& name : m_device.missingClasses) {
        if (auto cls = objc_getClass(name))
            objc::Runtime::registerClassHidden(cls);
    }
}

void SpringBoard::watchClockTimer()
{
    auto timer = clockTimer();
    // Finds the host of the running process, so a handler left from an earlier one does nothing.
    timer->setFireHandler([] {
        if (auto* host = *s_current) {
            host->clockTimerChanged();
            host->showFullscreenBulletin("Clock", "Timer Done");
        }
    });
    m_clockTimerState = timer->state();
    m_clockWatch = NSTimer::scheduledTimerWithTimeInterval(
        1,
        [this](NSTimer*) {
            if (clockTimer()->state() != m_clockTimerState)
                clockTimerChanged();
        },
        true);
}

void SpringBoard::clockTimerChanged()
{
    m_clockTimerState = clockTimer()->state();
    if (auto controller = lockScreen())
        controller->timerChanged();
}

void SpringBoard::loadLibrary(std::span<const LibraryInitialiser> initialisers)
{
    for (auto initialiser : initialisers)
        initialiser();
}

void SpringBoard::buildWindows()
{
    m_rootWindow = FBRootWindow::createWithDisplay(std::make_shared<NSObject>(), m_device.screenBounds());
    m_rootWindow->makeKeyAndVisible();
    SBWallpaperController::sharedInstance()->updateForLockState();
    SBUIController::sharedInstance()->updateForLockState();
    auto statusBars = SBAppStatusBarManager::sharedInstance();
    m_rootWindow->addSubviewInLayer(statusBars->statusBarView(), RootWindowLayer::StatusBar);
    if (m_device.locked)
        SBLockScreenManager::sharedInstance()->lockUI();
    showCallScreen();
    SBBacklightController::sharedInstance()->resetLockScreenIdleTimer();
    statusBars->updateStatusBar();
}

void SpringBoard::applyScreenGeometry()
{
    CGRect bounds = m_device.screenBounds();
    UIScreen::setMainScreen(bounds, m_device.screenScale);
    if (!m_rootWindow)
        return;
    m_rootWindow->setFrame(bounds);
    SBWallpaperController::sharedInstance()->updateForLockState();
    SBUIController::sharedInstance()->updateForLockState();
    auto statusBars = SBAppStatusBarManager::sharedInstance();
    statusBars->statusBarView()->setFrame(CGRectMake(0, 0, bounds.size.width, SBStatusBarView::height));
    if (auto& notificationCenter = SBNotificationCenterController::sharedInstance()->viewController())
        notificationCenter->view()->setFrame(bounds);
    SBSearchGesture::sharedInstance()->updateForScreen();
    if (m_callScreen)
        m_callScreen->setFrame(bounds);
    if (auto controller = lockScreen()) {
        controller->layoutLockScreen();
        if (auto& bulletin = controller->fullscreenBulletinViewController())
            bulletin->view()->setFrame(bounds);
    }
    statusBars->updateStatusBar();
}

void SpringBoard::refreshStatusBar()
{
    SBAppStatusBarManager::sharedInstance()->updateStatusBar();
}

void SpringBoard::setOrientation(int orientation)
{
    if (orientation < 1 || orientation > 4)
        throw std::invalid_argument("orientation " + std::to_string(orientation) + " is not 1 to 4");
    if (orientation == m_device.orientation)
        return;
    m_device.orientation = orientation;
    applyScreenGeometry();
}

void SpringBoard::setBattery(float level)
{
    iokit::Battery::setLevel(level);
    batteryChanged();
}

void SpringBoard::batteryChanged()
{
    NSProcessInfo::setLowPowerModeEnabled(iokit::Battery::state().lowPowerMode);
    if (auto controller = lockScreen())
        controller->batteryChanged();
    refreshStatusBar();
}

// An event, not a state: whoever already wrote the battery's charging flag can still send it.
void SpringBoard::setCharging(bool charging)
{
    iokit::Battery::setCharging(charging);
    // Connecting a charger lights the display.
    if (charging)
        SBBacklightController::sharedInstance()->turnDisplayOn();
    if (auto controller = lockScreen())
        controller->chargerChanged();
    refreshStatusBar();
}

void SpringBoard::setLowPowerMode(bool enabled)
{
    auto battery = iokit::Battery::state();
    battery.lowPowerMode = enabled;
    iokit::Battery::set(battery);
    batteryChanged();
}

void SpringBoard::incomingCall()
{
    m_device.phoneCall = { true, false };
    showCallScreen();
    SBBacklightController::sharedInstance()->turnDisplayOn();
}

void SpringBoard::answerCall()
{
    m_device.phoneCall = { false, true };
    showCallScreen();
}

void SpringBoard::endCall()
{
    m_device.phoneCall = {};
    showCallScreen();
}

void SpringBoard::showCallScreen()
{
    if (m_callScreen)
        m_callScreen->removeFromSuperview();
    m_callScreen = nullptr;
    if (!m_rootWindow || (!m_device.phoneCall.incoming && !m_device.phoneCall.active))
        return;
    m_callScreen = SBInCallScreen::create(m_device.screenBounds(), m_device.phoneCall.incoming);
    m_rootWindow->addSubviewInLayer(m_callScreen, RootWindowLayer::CallScreen);
}

void SpringBoard::faceTimeInvitation()
{
    m_device.faceTimeCall = { true, false };
    SBBacklightController::sharedInstance()->turnDisplayOn();
}

void SpringBoard::answerFaceTime()
{
    m_device.faceTimeCall = { false, true };
}

void SpringBoard::endFaceTime()
{
    m_device.faceTimeCall = {};
}

void SpringBoard::startTimer(NSTimeInterval duration)
{
    auto timer = clockTimer();
    timer->scheduleAt(dispatch::RunLoop::main().now() + duration, timer->defaultSound());
    clockTimerChanged();
}

void SpringBoard::setMusicPlaying(bool playing)
{
    auto media = SBMediaController::sharedInstance();
    playing ? media->play() : media->pause();
}

void SpringBoard::changeTrack(int step)
{
    SBMediaController::sharedInstance()->changeTrack(step);
}

void SpringBoard::setVolume(float volume)
{
    SBMediaController::sharedInstance()->setVolume(volume);
}

void SpringBoard::stopMusic()
{
    SBMediaController::sharedInstance()->unload();
}

void SpringBoard::pressHomeButton()
{
    SBLockScreenManager::sharedInstance()->noteMenuButtonDown();
    SBUIController::sharedInstance()->clickedMenuButton();
}

void SpringBoard::doublePressHomeButton()
{
    SBBacklightController::sharedInstance()->turnDisplayOn();
    if (auto controller = lockScreen())
        controller->showMediaControls();
}

void SpringBoard::turnDisplayOff()
{
    SBBacklightController::sharedInstance()->turnDisplayOff();
}

void SpringBoard::turnDisplayOn()
{
    SBBacklightController::sharedInstance()->turnDisplayOn();
}

void SpringBoard::lock()
{
    SBLockScreenManager::sharedInstance()->lockUI();
}

void SpringBoard::unlock()
{
    SBBacklightController::sharedInstance()->turnDisplayOn();
    SBLockScreenManager::sharedInstance()->unlockUI();
}

void SpringBoard::swipeCamera()
{
    if (auto controller = lockScreen(); controller && m_device.screenOn)
        controller->swipeCamera();
}

void SpringBoard::showFullscreenBulletin(std::string title, std::string message)
{
    auto controller = lockScreen();
    if (!controller)
        return;
    auto backlight = SBBacklightController::sharedInstance();
    backlight->turnDisplayOn();
    controller->presentFullscreenBulletin(
        std::make_shared<SBAwayBulletinListItem>(std::move(title), std::move(message)));
    backlight->resetLockScreenIdleTimer();
}

void SpringBoard::dismissFullscreenBulletin()
{
    if (auto controller = lockScreen()) {
        if (auto bulletin = controller->fullscreenBulletinViewController())
            bulletin->performDismissAction();
    }
}

void SpringBoard::openTodayPage()
{
    if (m_device.isSystemVersion9() && m_device.screenOn)
        SBNotificationCenterController::sharedInstance()->present();
}

void SpringBoard::closeTodayPage()
{
    SBNotificationCenterController::sharedInstance()->dismiss();
}

void SpringBoard::openSearchPage(long edge)
{
    if (!m_device.isSystemVersion9() || !m_device.screenOn)
        return;
    auto search = SBSearchGesture::sharedInstance();
    for (double progress : searchDragSteps)
        search->reveal(edge, progress);
    search->finishRevealing();
}

void SpringBoard::dragSearchPage(long edge, double progress)
{
    if (m_device.isSystemVersion9() && m_device.screenOn)
        SBSearchGesture::sharedInstance()->reveal(edge, progress);
}

void SpringBoard::closeSearchPage()
{
    SBSearchGesture::sharedInstance()->dismiss();
}

} // namespace springboard
