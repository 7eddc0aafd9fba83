#include "springboard/SPUINavigationController.h"

#include "contracts/SPUINavigationController.h"

namespace springboard {

using Messages = contracts::SPUINavigationController;

void SPUINavigationController::registerMethods(Class cls)
{
    cls->addMethod(Messages::initWithRootViewController,
        objc::implementation<&SPUINavigationController::ownInitWithRootViewController>);
}

std::shared_ptr<SPUINavigationController> SPUINavigationController::createWithRootViewController(
    const std::shared_ptr<UIViewController>& root)
{
    auto controller = std::make_shared<SPUINavigationController>();
    return objc::cast<SPUINavigationController>(
        objc::retain(Messages::initWithRootViewController(controller.get(), root)));
}

id SPUINavigationController::ownInitWithRootViewController(std::shared_ptr<NSObject> root)
{
    if (auto controller = objc::cast<UIViewController>(root))
        pushViewController(controller, false);
    return this;
}

} // namespace springboard
