#include "springboard/SPUISearchViewController.h"

#include "contracts/SPUISearchViewController.h"

namespace springboard {

using Messages = contracts::SPUISearchViewController;

void SPUISearchViewController::registerMethods(Class cls)
{
    cls->addMethod(Messages::init, objc::implementation<&SPUISearchViewController::ownInit>);
    cls->addMethod(
        Messages::presentsFromEdge, objc::implementation<&SPUISearchViewController::ownPresentsFromEdge>);
}

std::shared_ptr<SPUISearchViewController> SPUISearchViewController::createFromEdge(long edge)
{
    auto controller = std::make_shared<SPUISearchViewController>();
    controller->m_edge = edge;
    return objc::cast<SPUISearchViewController>(objc::retain(Messages::init(controller.get())));
}

long SPUISearchViewController::presentsFromEdge()
{
    return Messages::presentsFromEdge(this);
}

} // namespace springboard
