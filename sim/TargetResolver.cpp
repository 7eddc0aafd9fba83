#include "TargetResolver.h"

#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewFinder.h"

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

// The first view of the tree at root that the path's first step names and below which the rest
// of the path resolves: the view the last step names.
std::shared_ptr<UIView> find(const std::shared_ptr<UIView>& root, std::span<const std::string> path)
{
    std::shared_ptr<UIView> last;
    auto first = findView(root, [&](const UIView& view) {
        if (!matches(view, path.front()))
            return false;
        if (path.size() == 1)
            return true;
        for (auto& subview : view.subviews()) {
            if ((last = find(subview, path.subspan(1))))
                return true;
        }
        return false;
    });
    return path.size() == 1 ? first : last;
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
