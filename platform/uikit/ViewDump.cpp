#include "uikit/ViewDump.h"

#include "uikit/CAShapeLayer.h"
#include "uikit/NSAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIBezierPath.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIView.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <nlohmann/json.hpp>

using nlohmann::ordered_json;

namespace {

ordered_json cornerNames(unsigned long corners)
{
    static constexpr std::pair<UIRectCorner, const char*> names[] = {
        { UIRectCornerTopLeft, "topLeft" },
        { UIRectCornerTopRight, "topRight" },
        { UIRectCornerBottomLeft, "bottomLeft" },
        { UIRectCornerBottomRight, "bottomRight" },
    };
    auto result = ordered_json::array();
    for (auto& [corner, name] : names) {
        if (corners & corner)
            result.push_back(name);
    }
    return result;
}

ordered_json shapeLayer(const CAShapeLayer& shape)
{
    ordered_json entry { { "frame", ViewDump::rect(shape.frame()) } };
    if (auto& path = shape.path()) {
        if (auto& rounded = path->roundedRect) {
            entry["path"]
                = { { "rect", ViewDump::rect(rounded->rect) }, { "corners", cornerNames(rounded->corners) },
                      { "cornerRadii", ViewDump::size(rounded->cornerRadii) } };
        } else {
            entry["path"] = { { "elements", path->elements.size() } };
        }
    } else {
        entry["path"] = nullptr;
    }
    entry["fillColor"] = ViewDump::color(shape.fillColor());
    return entry;
}

ordered_json treeOf(const UIView& view)
{
    auto entry = ordered_json::object();
    view.dumpProperties(entry);
    auto subviews = ordered_json::array();
    for (auto& subview : view.subviews())
        subviews.push_back(treeOf(*subview));
    entry["subviews"] = std::move(subviews);
    return entry;
}

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (char c : text)
        result += c == '\n' ? std::string("\\n") : std::string(1, c);
    return result + "'";
}

void describe(const ordered_json& entry, int depth, std::string& out)
{
    for (int i = 0; i < depth; ++i)
        out += "   | ";
    auto& frame = entry["frame"];
    out += "<" + entry["class"].get<std::string>() + "; frame = (" + frame[0].dump() + " " + frame[1].dump()
        + "; " + frame[2].dump() + " " + frame[3].dump() + ")";
    if (entry.contains("id"))
        out += "; id = " + quoted(entry["id"].get<std::string>());
    if (entry.contains("tag"))
        out += "; tag = " + entry["tag"].dump();
    if (entry["hidden"].get<bool>())
        out += "; hidden = YES";
    if (entry["alpha"] != 1)
        out += "; alpha = " + entry["alpha"].dump();
    if (!entry["interaction"].get<bool>())
        out += "; userInteractionEnabled = NO";
    for (const char* key : { "text", "title" }) {
        if (entry.contains(key) && entry[key].is_string())
            out += std::string("; ") + key + " = " + quoted(entry[key].get<std::string>());
    }
    if (entry.contains("image") && entry["image"].is_object())
        out += "; image = " + quoted(entry["image"]["name"].get<std::string>());
    out += ">\n";
    for (auto& subview : entry["subviews"])
        describe(subview, depth + 1, out);
}

bool isFlat(const ordered_json& value)
{
    return value.is_array()
        && std::all_of(value.begin(), value.end(), [](auto& item) { return item.is_primitive(); });
}

// Two spaces a level, as nlohmann's own indentation, except that an array of plain values stays
// on one line: frames and sizes read as [x, y, w, h].
void writeIndented(const ordered_json& value, int depth, std::string& out)
{
    if (value.empty() || value.is_primitive()) {
        out += value.dump();
        return;
    }
    if (isFlat(value)) {
        out += '[';
        for (size_t i = 0; i < value.size(); ++i)
            out += (i ? ", " : "") + value[i].dump();
        out += ']';
        return;
    }
    std::string inner(size_t(depth + 1) * 2, ' ');
    bool first = true;
    out += value.is_object() ? "{\n" : "[\n";
    for (auto it = value.begin(); it != value.end(); ++it) {
        out += (first ? "" : ",\n") + inner;
        first = false;
        if (value.is_object())
            out += ordered_json(it.key()).dump() + ": ";
        writeIndented(*it, depth + 1, out);
    }
    out += "\n" + std::string(size_t(depth) * 2, ' ') + (value.is_object() ? "}" : "]");
}

} // namespace

ordered_json ViewDump::json(const UIView& view)
{
    return treeOf(view);
}

std::string ViewDump::text(const UIView& view)
{
    std::string out;
    writeIndented(json(view), 0, out);
    return out + "\n";
}

std::string ViewDump::recursiveDescription(const UIView& view)
{
    std::string out;
    describe(json(view), 0, out);
    return out;
}

ordered_json ViewDump::number(CGFloat value)
{
    if (!std::isfinite(value))
        return nullptr;
    double rounded = std::round(value * 10000) / 10000;
    if (rounded == std::trunc(rounded) && std::abs(rounded) < 1e15)
        return static_cast<std::int64_t>(rounded);
    return rounded;
}

ordered_json ViewDump::point(CGPoint p)
{
    return ordered_json::array({ number(p.x), number(p.y) });
}

ordered_json ViewDump::size(CGSize s)
{
    return ordered_json::array({ number(s.width), number(s.height) });
}

ordered_json ViewDump::rect(CGRect r)
{
    return ordered_json::array(
        { number(r.origin.x), number(r.origin.y), number(r.size.width), number(r.size.height) });
}

ordered_json ViewDump::color(const std::shared_ptr<UIColor>& color)
{
    return color ? ordered_json(color->hexString()) : ordered_json();
}

ordered_json ViewDump::font(const std::shared_ptr<UIFont>& font)
{
    if (!font)
        return nullptr;
    return { { "name", font->fontName() }, { "size", number(font->pointSize()) } };
}

ordered_json ViewDump::image(const std::shared_ptr<UIImage>& image)
{
    if (!image)
        return nullptr;
    return { { "name", image->name() }, { "size", size(image->size()) },
        { "scale", number(image->scale()) } };
}

ordered_json ViewDump::attributedString(const NSAttributedString& text)
{
    auto runs = ordered_json::array();
    for (auto& run : text.runs()) {
        auto& attributes = run.attributes;
        ordered_json entry;
        if (auto& attachment = attributes.attachment) {
            entry["attachment"]
                = { { "image", image(attachment->image()) }, { "bounds", rect(attachment->bounds()) } };
        } else {
            entry["text"] = run.text;
        }
        entry["font"] = font(attributes.font);
        entry["color"] = color(attributes.foregroundColor);
        runs.push_back(std::move(entry));
    }
    return runs;
}

ordered_json ViewDump::layer(const CALayer& layer)
{
    auto entry = ordered_json::object();
    if (layer.cornerRadius())
        entry["cornerRadius"] = number(layer.cornerRadius());
    if (layer.masksToBounds())
        entry["masksToBounds"] = true;
    if (layer.borderWidth())
        entry["borderWidth"] = number(layer.borderWidth());
    if (layer.borderColor())
        entry["borderColor"] = color(layer.borderColor());
    if (auto& mask = layer.mask())
        entry["mask"] = shapeLayer(*mask);
    return entry;
}
