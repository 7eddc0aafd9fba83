#pragma once

#include "uikit/CGGeometry.h"

#include <nlohmann/json_fwd.hpp>

#include <functional>
#include <string>

// A gesture the page saw, as the script command that makes it: `tap`, `double-tap`,
// `long-press`, a quick straight stroke as `swipe`, any other stroke as `drag`. The page sends
// {"kind": "tap"|"double-tap"|"long-press"|"drag", "x", "y", ["toX", "toY"], ["duration"]} in
// screen points and seconds.
class GestureCommand {
public:
    // A stroke this quick and this long, mostly along one axis, is a swipe.
    static constexpr double swipeTime = 0.3;
    static constexpr double swipeLength = 30;
    static constexpr double longestGesture = 60;

    // How the command names the view under a point: its identifier, or the point itself.
    using Namer = std::function<std::string(CGPoint)>;

    // Throws InputError saying what is wrong with the request.
    static std::string line(const nlohmann::json& request, const Namer&);
    static std::string pointText(CGPoint);
};
