#include "hooks/LumoraHooks.h"

#include "contracts/SBSearchViewController.h"
#include "contracts/SPUINavigationController.h"
#include "contracts/SPUISearchViewController.h"

namespace lumora {
namespace {

objc::IMP<id> previousSearchInit;
id searchInit(id self, SEL cmd)
{
    return previousSearchInit(self, cmd);
}

objc::IMP<void, bool> previousDidFinishPresenting;
void didFinishPresenting(id self, SEL cmd, bool presented)
{
    previousDidFinishPresenting(self, cmd, presented);
}

objc::IMP<void, double> previousUpdatePresentationProgress;
void updatePresentationProgress(id self, SEL cmd, double progress)
{
    previousUpdatePresentationProgress(self, cmd, progress);
}

objc::IMP<id> previousSpotlightInit;
id spotlightInit(id self, SEL cmd)
{
    return previousSpotlightInit(self, cmd);
}

objc::IMP<long> previousPresentsFromEdge;
long presentsFromEdge(id self, SEL cmd)
{
    return previousPresentsFromEdge(self, cmd);
}

objc::IMP<id, std::shared_ptr<NSObject>> previousInitWithRootViewController;
id initWithRootViewController(id self, SEL cmd, std::shared_ptr<NSObject> rootViewController)
{
    return previousInitWithRootViewController(self, cmd, std::move(rootViewController));
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
