#include "base/LMSpringBoard.h"

#include "base/LMSystemVersion.h"
#include "contracts/SBBacklightController.h"
#include "contracts/SBConferenceManager.h"
#include "contracts/SBLockScreenManager.h"
#include "contracts/SBTelephonyManager.h"
#include "contracts/SpringBoardApplication.h"
#include "contracts/TimerManager.h"
#include "objc/ClassRef.h"
#include "uikit/UIApplication.h"

LMOrientation LMSpringBoard::orientation()
{
    auto application = objc::cast<contracts::SpringBoardApplication>(UIApplication::sharedApplication());
    return application ? LMOrientationFromHost(application->_getSpringBoardOrientation())
                       : LMOrientation::portrait;
}

bool LMSpringBoard::callUnderWay()
{
    static objc::ClassRef telephonyClass { "SBTelephonyManager" };
    static objc::ClassRef conferenceClass { "SBConferenceManager" };
    auto telephony = contracts::shared<contracts::SBTelephonyManager>(
        telephonyClass, contracts::SBTelephonyManager::sharedTelephonyManager);
    if (telephony && (telephony->inCall() || telephony->incomingCallExists()))
        return true;
    auto conference = contracts::shared<contracts::SBConferenceManager>(conferenceClass);
    return conference && (conference->activeFaceTimeCallExists() || conference->faceTimeInvitationExists());
}

bool LMSpringBoard::screenIsOn()
{
    static objc::ClassRef backlightClass { "SBBacklightController" };
    auto backlight = contracts::shared<contracts::SBBacklightController>(backlightClass);
    if (LMSystemVersion::isiOS9())
        return backlight && backlight->screenIsOn();
    return !(backlight && backlight->screenIsOff());
}

bool LMSpringBoard::isUILocked()
{
    static objc::ClassRef lockScreenManagerClass { "SBLockScreenManager" };
    auto manager = contracts::shared<contracts::SBLockScreenManager>(lockScreenManagerClass);
    return manager && manager->isUILocked();
}

std::shared_ptr<contracts::TimerManager> LMSpringBoard::timerManager()
{
    static objc::ClassRef timerManagerClass { "TimerManager" };
    return contracts::shared<contracts::TimerManager>(
        timerManagerClass, contracts::TimerManager::sharedManager);
}
