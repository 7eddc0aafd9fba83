#include "springboard/SBSearchViewController.h"

#include "contracts/SBSearchViewController.h"
#include "springboard/Device.h"
#include "springboard/HostSupport.h"
#include "springboard/SPUINavigationController.h"
#include "springboard/SPUISearchViewController.h"
#include "uikit/UIColor.h"

#include <algorithm>

namespace springboard {

using Messages = contracts::SBSearchViewController;

void SBSearchViewController::registerMethods(Class cls)
{
    cls->addMethod(Messages::init, objc::implementation<&SBSearchViewController::ownInit>);
    cls->addMethod(Messages::updatePresentationProgress,
        objc::implementation<&SBSearchViewController::ownUpdatePresentationProgress>);
    cls->addMethod(
        Messages::didFinishPresenting, objc::implementation<&SBSearchViewController::ownDidFinishPresenting>);
}

std::shared_ptr<SBSearchViewController> SBSearchViewController::create()
{
    auto controller = std::make_shared<SBSearchViewController>();
    return objc::cast<SBSearchViewController>(objc::retain(Messages::init(controller.get())));
}

id SBSearchViewController::ownInit()
{
    m_searchViewController = SPUISearchViewController::create();
    m_navigationController = SPUINavigationController::createWithRootViewController(m_searchViewController);
    addChildViewController(m_navigationController);
    return this;
}

void SBSearchViewController::loadView()
{
    auto page = makeView("SBSearchView", UIColor::colorWithWhite(0.08, 0.85));
    page->setFrame(currentDevice().screenBounds());
    if (m_navigationController) {
        auto& navigation = m_navigationController->view();
        navigation->setFrame(page->bounds());
        navigation->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
        page->addSubview(navigation);
    }
    setView(page);
}

void SBSearchViewController::updatePresentationProgress(double progress)
{
    Messages::updatePresentationProgress(this, progress);
}

void SBSearchViewController::didFinishPresenting(bool presented)
{
    Messages::didFinishPresenting(this, presented);
}

void SBSearchViewController::ownUpdatePresentationProgress(double progress)
{
    m_progress = progress;
    // The results fade in as the page comes.
    if (m_navigationController)
        m_navigationController->view()->setAlpha(std::clamp(progress, 0.0, 1.0));
}

void SBSearchViewController::ownDidFinishPresenting(bool presented)
{
    m_progress = presented ? 1 : 0;
    if (m_navigationController)
        m_navigationController->view()->setAlpha(presented ? 1 : 0);
}

} // namespace springboard
