#pragma once

#include "uikit/CGGeometry.h"

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <string>

class CALayer;
class NSAttributedString;
class UIColor;
class UIFont;
class UIImage;
class UIView;

// A description of a view tree, for tests, scripts and the simulator: JSON with one entry per
// view (UIView::dumpProperties fills it; docs/view-dump.md lists the keys), and a short indented
// text in the platform's recursiveDescription manner. Numbers are rounded to four decimals, and
// whole numbers are written without a fraction, so dumps compare as text.
class ViewDump {
public:
    static nlohmann::ordered_json json(const UIView&);
    // The JSON, indented by two spaces.
    static std::string text(const UIView&);
    static std::string recursiveDescription(const UIView&);

    // Values in the dump's notation, for dumpProperties.
    static nlohmann::ordered_json number(CGFloat);
    static nlohmann::ordered_json point(CGPoint);
    static nlohmann::ordered_json size(CGSize);
    static nlohmann::ordered_json rect(CGRect);
    // "#rrggbbaa", or null.
    static nlohmann::ordered_json color(const std::shared_ptr<UIColor>&);
    static nlohmann::ordered_json font(const std::shared_ptr<UIFont>&);
    static nlohmann::ordered_json image(const std::shared_ptr<UIImage>&);
    // The runs of the text, in order.
    static nlohmann::ordered_json attributedString(const NSAttributedString&);
    // The layer's properties that differ from a new layer's; an empty object when none do.
    static nlohmann::ordered_json layer(const CALayer&);
};
