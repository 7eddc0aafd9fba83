#include "prefs/LumoraConfigurationListController.h"

#include "preferences/DeviceProcesses.h"
#include "uikit/UIAlertView.h"

namespace {

constexpr long respringTag = 1;

} // namespace

void LumoraConfigurationListController::respring()
{
    auto self = std::static_pointer_cast<LumoraConfigurationListController>(shared_from_this());
    auto alert = UIAlertView::create("Respring", "Are you sure?",
        std::static_pointer_cast<UIAlertViewDelegate>(self), "Cancel", { "Yes" });
    alert->setTag(respringTag);
    alert->show();
}

void LumoraConfigurationListController::clickedButtonAtIndex(UIAlertView* alert, NSInteger index)
{
    if (alert && index == 1 && alert->tag() == respringTag)
        preferences::DeviceProcesses::system("killall SpringBoard");
}

void LumoraConfigurationListController::registerClass()
{
    registerPageClass<LumoraConfigurationListController>();
    staticClass()->addMethod(objc::Message<void()>("respring"),
        objc::implementation<&LumoraConfigurationListController::respring>);
}
