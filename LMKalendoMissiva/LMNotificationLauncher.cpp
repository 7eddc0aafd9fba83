#include "LMKalendoMissiva/LMNotificationLauncher.h"

#include "base/LMEnums.h"
#include "contracts/OBNotificationRow.h"
#include "contracts/OBSBUIController.h"
#include "objc/ClassRef.h"

void LMNotificationLauncher::open(contracts::OBNotificationRow& row, int location)
{
    static objc::ClassRef controllerClass { "OBSBUIController" };
    if (LMLocationFromStored(location) != LMLocation::lockScreen) {
        contracts::OBSBUIController::activateApplication.toClass(controllerClass, row.app());
        return;
    }
    auto bulletin = row.bulletin();
    auto action = bulletin ? bulletin->defaultAction() : nullptr;
    auto url = action ? action->launchURL() : std::nullopt;
    if (url)
        contracts::OBSBUIController::launchURLPromptToUnlockIfNecessary.toClass(controllerClass, *url);
    else
        contracts::OBSBUIController::activateApplicationPromptToUnlockIfNecessary.toClass(
            controllerClass, row.app());
}
