#include "springboard/FBRootWindow.h"

#include "contracts/FBRootWindow.h"

#include <algorithm>

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

std::optional<RootWindowLayer> FBRootWindow::layerOf(const UIView& view) const
{
    for (auto& [entry, layer] : m_layers) {
        if (entry.lock().get() == &view)
            return layer;
    }
    return std::nullopt;
}

void FBRootWindow::addSubviewInLayer(const std::shared_ptr<UIView>& view, RootWindowLayer layer)
{
    if (view->superview().get() == this)
        view->removeFromSuperview();
    std::erase_if(m_layers, [&](auto& entry) { return entry.first.expired() || entry.first.lock() == view; });
    m_layers.emplace_back(view, layer);
    auto& children = subviews();
    auto above = std::find_if(children.begin(), children.end(), [&](auto& child) {
        auto childLayer = layerOf(*child);
        return !childLayer || *childLayer > layer;
    });
    insertSubviewAtIndex(view, above - children.begin());
}

} // namespace springboard
