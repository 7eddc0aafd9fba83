#include "hooks/LumoraHooks.h"

#include "_LMContainerView/LMView.h"
#include "contracts/SBSearchViewController.h"
#include "contracts/SPUINavigationController.h"
#include "contracts/SPUISearchViewController.h"
#include "hooks/PanelHost.h"
#include "objc/ProcessLocal.h"
#include "settings/LMSettings.h"
#include "uikit/UINavigationBar.h"
#include "uikit/UINavigationController.h"

#include <cstdint>

namespace lumora {
namespace {

// What SpringBoard made last for the search page: the edge its search controller reports, and
// the search and navigation controllers whose views make way for the panel.
objc::ProcessLocal<std::int32_t> spotlightEdge { 0 };
objc::ProcessLocal<std::shared_ptr<UIViewController>> currentSearchViewController;
objc::ProcessLocal<std::shared_ptr<UINavigationController>> currentSearchNavigationController;

// Drags that start below this progress reload the settings first.
constexpr double reloadProgress = 0.1f;

// The search page's own content shown, or hidden to make way for the panel.
void setSearchContentHidden(bool hidden)
{
    if (auto& controller = *currentSearchViewController)
        controller->view()->setHidden(hidden);
    if (auto& navigation = *currentSearchNavigationController) {
        if (auto& bar = navigation->navigationBar())
            bar->setHidden(hidden);
    }
}

objc::IMP<id> previousSearchInit;
id searchInit(id self, SEL cmd)
{
    id result = previousSearchInit(self, cmd);
    if (!PanelHost::isSearchPage(*PanelHost::reloadedSettings()))
        return result;
    auto panel = LMView::sharedInstance();
    PanelHost::update(*panel);
    if (auto* controller = dynamic_cast<UIViewController*>(result))
        controller->view()->addSubview(panel);
    return result;
}

objc::IMP<void, bool> previousDidFinishPresenting;
void didFinishPresenting(id self, SEL cmd, bool presented)
{
    auto settings = PanelHost::reloadedSettings();
    if (!PanelHost::isSearchPage(*settings) || PanelHost::searchEdge(*settings) != *spotlightEdge)
        return previousDidFinishPresenting(self, cmd, presented);
    if (!settings->shouldShowStatusBar())
        PanelHost::setStatusBarAlpha(presented ? 0.0 : 1.0);
    PanelHost::update(*LMView::sharedInstance());
}

objc::IMP<void, double> previousUpdatePresentationProgress;
void updatePresentationProgress(id self, SEL cmd, double progress)
{
    auto settings = LMSettings::sharedInstance();
    if (progress < reloadProgress)
        settings->reload();
    if (!PanelHost::isSearchPage(*settings))
        return previousUpdatePresentationProgress(self, cmd, progress);
    auto panel = LMView::sharedInstance();
    if (PanelHost::searchEdge(*settings) == *spotlightEdge) {
        if (!settings->shouldShowStatusBar())
            PanelHost::setStatusBarAlpha(0.0);
        setSearchContentHidden(true);
        panel->setHidden(false);
        return;
    }
    setSearchContentHidden(false);
    panel->setHidden(true);
    previousUpdatePresentationProgress(self, cmd, progress);
}

objc::IMP<id> previousSpotlightInit;
id spotlightInit(id self, SEL cmd)
{
    id result = previousSpotlightInit(self, cmd);
    currentSearchViewController = objc::cast<UIViewController>(objc::retain(result));
    return result;
}

objc::IMP<long> previousPresentsFromEdge;
long presentsFromEdge(id self, SEL cmd)
{
    long edge = previousPresentsFromEdge(self, cmd);
    spotlightEdge = static_cast<std::int32_t>(edge);
    return edge;
}

objc::IMP<id, std::shared_ptr<NSObject>> previousInitWithRootViewController;
id initWithRootViewController(id self, SEL cmd, std::shared_ptr<NSObject> rootViewController)
{
    id result = previousInitWithRootViewController(self, cmd, std::move(rootViewController));
    currentSearchNavigationController = objc::cast<UINavigationController>(objc::retain(result));
    return result;
}

} // namespace

void installSearchHooks(const HookGroup& group)
{
    using contracts::SBSearchViewController;
    group.hookClass("SBSearchViewController",
        {
            { SBSearchViewController::init, &searchInit, &previousSearchInit },
            { SBSearchViewController::didFinishPresenting, &didFinishPresenting,
                &previousDidFinishPresenting },
            { SBSearchViewController::updatePresentationProgress, &updatePresentationProgress,
                &previousUpdatePresentationProgress },
        });
    using contracts::SPUISearchViewController;
    group.hookClass("SPUISearchViewController",
        {
            { SPUISearchViewController::init, &spotlightInit, &previousSpotlightInit },
            { SPUISearchViewController::presentsFromEdge, &presentsFromEdge, &previousPresentsFromEdge },
        });
    group.hookClass("SPUINavigationController",
        { { contracts::SPUINavigationController::initWithRootViewController, &initWithRootViewController,
            &previousInitWithRootViewController } });
}

} // namespace lumora
