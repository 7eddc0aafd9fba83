#include "serve/ViewInspector.h"

#include "serve/GestureCommand.h"

#include "Target.h"
#include "TargetResolver.h"

#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cctype>
#include <cmath>

namespace {

double rounded(CGFloat value)
{
    return std::round(value * 100) / 100;
}

// A name a script line carries as it is: not a path, a point or a probe.
bool plainWord(const std::string& name)
{
    return !name.empty() && !std::isdigit(static_cast<unsigned char>(name[0]))
        && std::all_of(name.begin(), name.end(), [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

} // namespace

nlohmann::json ViewInspector::entry(const UIView& view, bool withSubviews)
{
    auto frame = view.convertRectToView(view.bounds(), nullptr);
    nlohmann::json entry { { "class", view.className() },
        { "frame",
            { rounded(frame.origin.x), rounded(frame.origin.y), rounded(frame.size.width),
                rounded(frame.size.height) } },
        { "hidden", view.isHidden() } };
    if (!view.accessibilityIdentifier().empty())
        entry["id"] = view.accessibilityIdentifier();
    if (withSubviews) {
        auto& subviews = entry["subviews"] = nlohmann::json::array();
        for (auto& subview : view.subviews())
            subviews.push_back(ViewInspector::entry(*subview, true));
    }
    return entry;
}

nlohmann::json ViewInspector::tree()
{
    auto roots = nlohmann::json::array();
    for (auto& window : UIApplication::sharedApplication()->windowsOnScreen()) {
        window->layoutIfNeeded();
        roots.push_back(entry(*window, true));
    }
    for (auto& alert : UIAlertView::visibleAlerts())
        roots.push_back(entry(*alert, true));
    return roots;
}

nlohmann::json ViewInspector::at(CGPoint point)
{
    auto view = UITouchSimulator().viewAtPoint(point);
    return view ? entry(*view, false) : nlohmann::json(nullptr);
}

std::string ViewInspector::targetAt(CGPoint point)
{
    auto pointText = GestureCommand::pointText(point);
    auto landed = UITouchSimulator().viewAtPoint(CGPointMake(std::floor(point.x), std::floor(point.y)));
    if (!landed || !plainWord(landed->accessibilityIdentifier()))
        return pointText;
    auto target = Target::parse(landed->accessibilityIdentifier());
    if (!target || target->point() || TargetResolver::view(*target) != landed)
        return pointText;
    auto middle = TargetResolver::point(*target);
    return middle && UITouchSimulator().viewAtPoint(*middle) == landed ? landed->accessibilityIdentifier()
                                                                         : pointText;
}
