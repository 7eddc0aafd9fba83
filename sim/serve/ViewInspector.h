#pragma once

#include "uikit/CGGeometry.h"

#include <nlohmann/json_fwd.hpp>

#include <string>

class UIView;

// The page's inspector: what the screen is made of, with every view's box on the screen.
class ViewInspector {
public:
    // The windows on the screen bottom to top, then the alerts up: each view as {"class", "id"
    // (when set), "frame" (on the screen: x, y, w, h), "hidden", "subviews"}.
    static nlohmann::json tree();
    // The view a finger at the point would land on, as one entry without subviews; null for none.
    static nlohmann::json at(CGPoint);
    // How a script names the view a finger at the point lands on: its identifier when that finds
    // the same view and a finger at its middle lands on it too, else the point.
    static std::string targetAt(CGPoint);

private:
    static nlohmann::json entry(const UIView&, bool withSubviews);
};
