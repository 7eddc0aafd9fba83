#include "springboard/FBRootWindow.h"

#include "contracts/FBRootWindow.h"

namespace springboard {

void FBRootWindow::registerMethods(Class cls)
{
    cls->addMethod(
        contracts::FBRootWindow::initWithDisplay, objc::implementation<&FBRootWindow::ownInitWithDisplay>);
}

std::shared_ptr<FBRootWindow> FBRootWindow::createWithDisplay(
    const std::shared_ptr<NSObject>& display, CGRect screenBounds)
{
    auto window = std::make_shared<FBRootWindow>(screenBounds);
    id initialised = contracts::FBRootWindow::initWithDisplay(window.get(), display);
    return initialised == window.get() ? window : objc::cast<FBRootWindow>(objc::retain(initialised));
}

id FBRootWindow::ownInitWithDisplay(std::shared_ptr<NSObject> display)
{
    m_display = std::move(display);
    return this;
}

} // namespace springboard
