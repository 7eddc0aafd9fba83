#include "TargetResolver.h"

#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include <algorithm>
#include <span>
#include <string>
#include <vector>

namespace {

bool matches(const UIView& view, const std::string& name)
{
    if (view.accessibilityIdentifier() == name)
        return true;
    for (Class cls = view.objcClass(); cls; cls = cls->superclass()) {
        if (cls->name() == name)
            return true;
    }
    return false;
}

std::shared_ptr<UIView> find(const std::shared_ptr<UIView>& root, std::span<const std::string> path);

// The first view below `view` (itself excluded) where the rest of the path resolves.
std::shared_ptr<UIView> findBelow(const UIView& view, std::span<const std::string> path)
{
    for (auto& subview : view.subviews()) {
        if (auto found = find(subview, path))
            return found;
    }
    return nullptr;
}

std::shared_ptr<UIView> find(const std::shared_ptr<UIView>& root, std::span<const std::string> path)
{
    if (matches(*root, path.front())) {
        if (path.size() == 1)
            return root;
        if (auto found = findBelow(*root, path.subspan(1)))
            return found;
    }
    return findBelow(*root, path);
}

std::vector<std::shared_ptr<UIView>> roots()
{
    std::vector<std::shared_ptr<UIView>> roots;
    auto alerts = UIAlertView::visibleAlerts();
    roots.insert(roots.end(), alerts.rbegin(), alerts.rend());
    auto application = UIApplication::sharedApplication();
    auto shown = application->windowsOnScreen();
    roots.insert(roots.end(), shown.rbegin(), shown.rend());
    auto all = application->windows();
    for (auto window = all.rbegin(); window != all.rend(); ++window) {
        if ((*window)->isHidden())
            roots.push_back(*window);
    }
    return roots;
}

} // namespace

std::shared_ptr<UIView> TargetResolver::view(const Target& target)
{
    for (auto& window : UIApplication::sharedApplication()->windowsOnScreen())
        window->layoutIfNeeded();
    if (auto point = target.point())
        return UITouchSimulator().viewAtPoint(*point);
    for (auto& root : roots()) {
        if (auto found = find(root, target.path()))
            return found;
    }
    return nullptr;
}

std::optional<CGPoint> TargetResolver::point(const Target& target)
{
    if (auto point = target.point())
        return point;
    auto found = view(target);
    if (!found)
        return std::nullopt;
    auto frame = found->convertRectToView(found->bounds(), nullptr);
    return CGPointMake(frame.origin.x + frame.size.width / 2, frame.origin.y + frame.size.height / 2);
}
