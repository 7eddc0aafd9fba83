#include "prefs/LumoraCreatorsListController.h"

#include "prefs/LumoraSocialProfile.h"
#include "uikit/UIAlertView.h"

namespace {

enum Tag : long { makerWebsite = 1, secondWebsite = 2, makerProfile = 11, secondProfile = 22 };

} // namespace

void LumoraCreatorsListController::ask(const std::string& title, const std::string& message, long tag)
{
    auto self = std::static_pointer_cast<LumoraCreatorsListController>(shared_from_this());
    auto alert = UIAlertView::create(
        title, message, std::static_pointer_cast<UIAlertViewDelegate>(self), "Cancel", { "Go" });
    alert->setTag(tag);
    alert->show();
}

void LumoraCreatorsListController::website()
{
    ask("Website", LumoraSocialProfile::maker().websiteName, makerWebsite);
}

void LumoraCreatorsListController::twitter()
{
    ask("Twitter", "@" + LumoraSocialProfile::maker().handle, makerProfile);
}

void LumoraCreatorsListController::website2()
{
    ask("Website", LumoraSocialProfile::secondDeveloper().websiteName, secondWebsite);
}

void LumoraCreatorsListController::twitter2()
{
    ask("Twitter", "@" + LumoraSocialProfile::secondDeveloper().handle, secondProfile);
}

void LumoraCreatorsListController::loadTwitter()
{
    LumoraSocialProfile::open(LumoraSocialProfile::maker());
}

void LumoraCreatorsListController::loadTwitter2()
{
    LumoraSocialProfile::open(LumoraSocialProfile::secondDeveloper());
}

void LumoraCreatorsListController::clickedButtonAtIndex(UIAlertView* alert, NSInteger index)
{
    if (index != 1 || !alert)
        return;
    switch (alert->tag()) {
    case makerWebsite:
        LumoraSocialProfile::openWebsite(LumoraSocialProfile::maker());
        break;
    case secondWebsite:
        LumoraSocialProfile::openWebsite(LumoraSocialProfile::secondDeveloper());
        break;
    case makerProfile:
        loadTwitter();
        break;
    case secondProfile:
        loadTwitter2();
        break;
    default:
        break;
    }
}

void LumoraCreatorsListController::registerClass()
{
    registerPageClass<LumoraCreatorsListController>();
    auto cls = staticClass();
    cls->addMethod(
        objc::Message<void()>("website"), objc::implementation<&LumoraCreatorsListController::website>);
    cls->addMethod(
        objc::Message<void()>("twitter"), objc::implementation<&LumoraCreatorsListController::twitter>);
    cls->addMethod(
        objc::Message<void()>("website2"), objc::implementation<&LumoraCreatorsListController::website2>);
    cls->addMethod(
        objc::Message<void()>("twitter2"), objc::implementation<&LumoraCreatorsListController::twitter2>);
}
