#include "springboard/SBSearchViewController.h"

#include "contracts/SBSearchViewController.h"

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

void SBSearchViewController::updatePresentationProgress(double progress)
{
    Messages::updatePresentationProgress(this, progress);
}

void SBSearchViewController::didFinishPresenting(bool presented)
{
    Messages::didFinishPresenting(this, presented);
}

} // namespace springboard
