#include "serve/GestureCommand.h"

#include "InputError.h"
#include "NumberText.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace {

double number(const nlohmann::json& request, const char* key, double low, double high)
{
    auto found = request.find(key);
    if (found == request.end() || !found->is_number())
        throw InputError(std::string("\"") + key + "\" must be a number");
    double value = found->get<double>();
    if (!std::isfinite(value) || value < low || value > high)
        throw InputError(std::string("\"") + key + "\" must lie from " + NumberText::format(low) + " to "
            + NumberText::format(high));
    return value;
}

CGPoint point(const nlohmann::json& request, const char* x, const char* y)
{
    // The screen check proper is the script's; this keeps the numbers printable.
    constexpr double far = 100000;
    return CGPointMake(number(request, x, -far, far), number(request, y, -far, far));
}

std::string durationText(double seconds)
{
    return std::to_string(std::lround(seconds * 1000)) + "ms";
}

std::string stroke(CGPoint from, CGPoint to, double duration)
{
    double dx = to.x - from.x;
    double dy = to.y - from.y;
    bool horizontal = std::abs(dx) >= 2 * std::abs(dy);
    bool vertical = std::abs(dy) >= 2 * std::abs(dx);
    if (duration <= GestureCommand::swipeTime && std::hypot(dx, dy) >= GestureCommand::swipeLength
        && (horizontal || vertical)) {
        auto direction = horizontal ? (dx > 0 ? "right" : "left") : (dy > 0 ? "down" : "up");
        return std::string("swipe ") + direction + " " + GestureCommand::pointText(from);
    }
    return "drag " + GestureCommand::pointText(from) + " " + GestureCommand::pointText(to) + " "
        + durationText(duration);
}

} // namespace

std::string GestureCommand::pointText(CGPoint point)
{
    return NumberText::format(std::floor(point.x)) + "," + NumberText::format(std::floor(point.y));
}

std::string GestureCommand::line(const nlohmann::json& request, const Namer& name)
{
    if (!request.is_object())
        throw InputError("a gesture is a JSON object");
    auto kind = request.find("kind");
    if (kind == request.end() || !kind->is_string())
        throw InputError("\"kind\" must be tap, double-tap, long-press or drag");
    auto from = point(request, "x", "y");
    if (*kind == "tap" || *kind == "double-tap")
        return kind->get<std::string>() + " " + name(from);
    if (*kind == "long-press")
        return "long-press " + name(from) + " " + durationText(number(request, "duration", 0, longestGesture));
    if (*kind == "drag")
        return stroke(from, point(request, "toX", "toY"), number(request, "duration", 0.01, longestGesture));
    throw InputError("\"kind\" must be tap, double-tap, long-press or drag");
}
