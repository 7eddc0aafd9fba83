#include "orblib/OrbLib.h"

#include "contracts/OBContainerView.h"
#include "contracts/OBDisplayView.h"
#include "orblib/OBAppItem.h"
#include "orblib/OBAppItemsProvider.h"
#include "orblib/OBAppListTableViewController.h"
#include "orblib/OBColorFactory.h"
#include "orblib/OBImageFactory.h"
#include "orblib/OBMusicProvider.h"
#include "orblib/OBNotificationsProvider.h"
#include "orblib/OBPreferenceManager.h"
#include "orblib/OBSBUIController.h"
#include "orblib/OBWeatherProvider.h"
#include "orblib/OBiOSVersion.h"
#include "orblib/UIImageOBAdditions.h"

namespace orblib {

void registerClasses()
{
    OBPreferenceManager::registerClass();
    OBColorFactory::registerClass();
    OBImageFactory::registerClass();
    OBWeatherProvider::registerClass();
    OBMusicProvider::registerClass();
    OBNotificationsProvider::registerClass();
    OBiOSVersion::registerClass();
    OBAppItem::registerClass();
    OBAppItemsProvider::registerClass();
    OBAppListTableViewController::registerClass();
    OBSBUIController::registerClass();
    UIImageOBAdditions::registerMethods();
    objc::Runtime::registerClass(OBContainerView::staticClass());
    objc::Runtime::registerClass(OBContainerWindow::staticClass());
    objc::Runtime::registerClass(OBDisplayView::staticClass());
}

} // namespace orblib
