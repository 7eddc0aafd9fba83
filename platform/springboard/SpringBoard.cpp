#include "springboard/SpringBoard.h"

#include "dispatch/RunLoop.h"
#include "objc/CFLog.h"
#include "orblib/OrbLib.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBAppStatusBarManager.h"
#include "springboard/SBBacklightController.h"
#include "springboard/SBConferenceManager.h"
#include "springboard/SBFLockScreenDateView.h"
#include "springboard/SBLockScreenFullscreenBulletinViewController.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenView.h"
#include "springboard/SBLockScreenViewController.h"
#include "springboard/SBNotificationCenterLayoutViewController.h"
#include "springboard/SBNotificationCenterViewController.h"
#include "springboard/SBSearchViewController.h"
#include "springboard/SBTelephonyManager.h"
#include "springboard/SBUIController.h"
#include "springboard/SPUINavigationController.h"
#include "springboard/SPUISearchViewController.h"
#include "uikit/UIDevice.h"

namespace springboard {
namespace {

struct HostClass {
    Class cls;
    void (*registerMethods)(Class);
};

} // namespace

SpringBoard::SpringBoard(Device device)
    : m_device(std::move(device))
{
    dispatch::RunLoop::main().reset(m_device.startTime);
    objc::Runtime::beginProcess();
    objc::setLogProcessName("SpringBoard");
    UIDevice::currentDevice()->setSystemVersion(m_device.systemVersion);
    orblib::registerClasses();
    registerClasses();
}

SpringBoard::~SpringBoard() = default;

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
        { SBAppStatusBarManager::staticClass(), &SBAppStatusBarManager::registerMethods },
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
        entry.registerMethods(entry.cls);
        if (m_device.missingClasses.contains(entry.cls->name()))
            objc::Runtime::registerClassHidden(entry.cls);
        else
            objc::Runtime::registerClass(entry.cls);
    }
}

void SpringBoard::loadLibrary(std::span<const LibraryInitialiser> initialisers)
{
    for (auto initialiser : initialisers)
        initialiser();
}

void SpringBoard::buildWindows()
{
    CGRect screen = CGRectMake(0, 0, m_device.screenSize.width, m_device.screenSize.height);
    m_rootWindow = FBRootWindow::createWithDisplay(std::make_shared<NSObject>(), screen);
}

} // namespace springboard
