#include "prefs/LumoraPrefsListController.h"

#include "foundation/NSBundle.h"
#include "prefs/LumoraColorTable.h"
#include "prefs/LumoraResourceBundle.h"
#include "prefs/LumoraSocialProfile.h"
#include "social/SLComposeViewController.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIBarButtonItem.h"
#include "uikit/UIImage.h"
#include "uikit/UINavigationBar.h"
#include "uikit/UINavigationController.h"
#include "uikit/UINavigationItem.h"

namespace {

constexpr long supportTag = 1;

} // namespace

void LumoraPrefsListController::init()
{
    LumoraColorTable::fill();
    setTitle("Lumora");
}

std::string LumoraPrefsListController::shareText()
{
    return "Check out #Lumora by @" + LumoraSocialProfile::maker().handle + "!";
}

void LumoraPrefsListController::loadView()
{
    PSListController::loadView();
    std::shared_ptr<UIImage> image;
    if (auto bundle = NSBundle::initWithPath(LumoraResourceBundlePath)) {
        if (auto path = bundle->pathForResource(shareImageName, "png"); !path.empty())
            image = UIImage::imageWithContentsOfFile(path);
    }
    auto self = std::static_pointer_cast<LumoraPrefsListController>(shared_from_this());
    navigationItem()->setRightBarButtonItem(UIBarButtonItem::create(
        std::move(image), UIBarButtonItemStylePlain, self, &LumoraPrefsListController::shareButtonPressed));
}

void LumoraPrefsListController::shareButtonPressed()
{
    if (SLComposeViewController::isAvailableForServiceType(SLServiceTypeTwitter)) {
        auto sheet = SLComposeViewController::composeViewControllerForServiceType(SLServiceTypeTwitter);
        sheet->setInitialText(shareText());
        presentViewController(sheet, true);
        return;
    }
    UIAlertView::create("Twitter", "No twitter account found to share", {}, "OK")->show();
}

void LumoraPrefsListController::support()
{
    auto self = std::static_pointer_cast<LumoraPrefsListController>(shared_from_this());
    auto alert = UIAlertView::create("Support",
        "Follow @" + LumoraSocialProfile::maker().handle
            + " on Twitter and send a direct message there, and we will help you.",
        std::static_pointer_cast<UIAlertViewDelegate>(self), "Close", { "Go" });
    alert->setTag(supportTag);
    alert->show();
}

void LumoraPrefsListController::clickedButtonAtIndex(UIAlertView* alert, NSInteger index)
{
    if (alert && alert->tag() == supportTag && index == 1)
        LumoraSocialProfile::open(LumoraSocialProfile::maker());
}

std::shared_ptr<UINavigationController> LumoraPrefsListController::realNavigationController() const
{
    auto navigation = navigationController();
    while (navigation) {
        auto outer = navigation->navigationController();
        if (!outer)
            break;
        navigation = std::move(outer);
    }
    return navigation;
}

void LumoraPrefsListController::viewWillAppear(bool animated)
{
    if (auto navigation = realNavigationController())
        navigation->navigationBar()->setTintColor(LumoraColorTable::color(LumoraColor::Base));
    clearCache();
    reload();
    PSListController::viewWillAppear(animated);
}

void LumoraPrefsListController::viewWillDisappear(bool animated)
{
    if (auto navigation = realNavigationController()) {
        auto& bar = navigation->navigationBar();
        bar->setTitleTextAttributes({});
        bar->setTintColor(nullptr);
        bar->setBarTintColor(nullptr);
    }
    clearCache();
    reload();
    PSListController::viewWillDisappear(animated);
}

void LumoraPrefsListController::registerClass()
{
    registerPageClass<LumoraPrefsListController>();
    auto cls = staticClass();
    cls->addMethod(
        objc::Message<void()>("support"), objc::implementation<&LumoraPrefsListController::support>);
    cls->addMethod(objc::Message<void()>("shareButtonPressed"),
        objc::implementation<&LumoraPrefsListController::shareButtonPressed>);
}
