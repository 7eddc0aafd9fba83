#include "orblib/WeatherIcon.h"

#include "uikit/UIImage.h"
#include "uikit/UIScreen.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace orblib {
namespace {

// Shapes are signed distances in the unit square (y down): negative inside.
using Shape = std::function<double(double x, double y)>;

Shape circle(double cx, double cy, double r)
{
    return [=](double x, double y) { return std::hypot(x - cx, y - cy) - r; };
}

// A segment with round ends, r thick on each side.
Shape stroke(double ax, double ay, double bx, double by, double r)
{
    return [=](double x, double y) {
        double dx = bx - ax, dy = by - ay;
        double t = std::clamp(((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
        return std::hypot(x - ax - t * dx, y - ay - t * dy) - r;
    };
}

Shape united(std::vector<Shape> parts)
{
    return [parts = std::move(parts)](double x, double y) {
        double distance = INFINITY;
        for (auto& part : parts)
            distance = std::min(distance, part(x, y));
        return distance;
    };
}

Shape subtracted(Shape shape, Shape hole)
{
    return [=](double x, double y) { return std::max(shape(x, y), -hole(x, y)); };
}

Shape moved(Shape shape, double dx, double dy)
{
    return [=](double x, double y) { return shape(x - dx, y - dy); };
}

// Everything within `margin` of the shape, so a shape drawn over another stands apart from it.
Shape grown(Shape shape, double margin)
{
    return [=](double x, double y) { return shape(x, y) - margin; };
}

Shape cloud()
{
    return united({ circle(0.36, 0.56, 0.15), circle(0.56, 0.46, 0.2), circle(0.72, 0.6, 0.12),
        stroke(0.32, 0.62, 0.72, 0.62, 0.1) });
}

Shape sun(double cx, double cy, double r)
{
    std::vector<Shape> parts { circle(cx, cy, r) };
    for (int ray = 0; ray < 8; ++ray) {
        double angle = ray * std::numbers::pi / 4;
        double c = std::cos(angle), s = std::sin(angle);
        parts.push_back(stroke(cx + c * r * 1.45, cy + s * r * 1.45, cx + c * r * 2, cy + s * r * 2, 0.03));
    }
    return united(std::move(parts));
}

Shape cloudAbove(std::vector<Shape> below)
{
    below.push_back(moved(cloud(), 0, -0.14));
    return united(std::move(below));
}

Shape iconShape(WeatherCondition condition)
{
    switch (condition) {
    case WeatherCondition::Sunny:
        return sun(0.5, 0.5, 0.2);
    case WeatherCondition::Clear:
        return subtracted(circle(0.48, 0.52, 0.32), circle(0.64, 0.38, 0.26));
    case WeatherCondition::PartlyCloudy: {
        auto front = moved(cloud(), 0.04, 0.06);
        return united({ subtracted(sun(0.36, 0.36, 0.13), grown(front, 0.05)), front });
    }
    case WeatherCondition::Cloudy:
        return moved(cloud(), 0, 0.02);
    case WeatherCondition::Rain:
        return cloudAbove({ stroke(0.36, 0.72, 0.31, 0.88, 0.03), stroke(0.52, 0.72, 0.47, 0.88, 0.03),
            stroke(0.68, 0.72, 0.63, 0.88, 0.03) });
    case WeatherCondition::Thunderstorms:
        return cloudAbove({ stroke(0.56, 0.68, 0.46, 0.8, 0.03), stroke(0.46, 0.8, 0.57, 0.8, 0.03),
            stroke(0.57, 0.8, 0.47, 0.94, 0.03) });
    case WeatherCondition::Snow:
        return cloudAbove({ circle(0.34, 0.78, 0.04), circle(0.5, 0.86, 0.04), circle(0.66, 0.78, 0.04) });
    case WeatherCondition::Fog:
        return united({ stroke(0.2, 0.3, 0.7, 0.3, 0.04), stroke(0.3, 0.45, 0.8, 0.45, 0.04),
            stroke(0.2, 0.6, 0.8, 0.6, 0.04), stroke(0.3, 0.75, 0.7, 0.75, 0.04) });
    case WeatherCondition::Windy:
        return united({ stroke(0.15, 0.35, 0.65, 0.35, 0.035), stroke(0.15, 0.5, 0.85, 0.5, 0.035),
            stroke(0.3, 0.65, 0.75, 0.65, 0.035) });
    }
    return circle(0.5, 0.5, 0);
}

} // namespace

std::shared_ptr<UIImage> weatherIcon(WeatherCondition condition, CGFloat side)
{
    CGFloat scale = UIScreen::mainScreen()->scale();
    unsigned pixels = static_cast<unsigned>(std::max(1.0, std::round(side * scale)));
    auto shape = iconShape(condition);
    Bitmap bitmap(pixels, pixels);
    for (unsigned y = 0; y < pixels; ++y) {
        for (unsigned x = 0; x < pixels; ++x) {
            // Coverage of the pixel from its centre's distance to the edge, in pixels.
            double distance = shape((x + 0.5) / pixels, (y + 0.5) / pixels) * pixels;
            double coverage = std::clamp(0.5 - distance, 0.0, 1.0);
            std::uint8_t* pixel = bitmap.pixel(x, y);
            std::fill(pixel, pixel + 3, 255);
            pixel[3] = static_cast<std::uint8_t>(std::lround(coverage * 255));
        }
    }
    return UIImage::imageWithBitmap(
        std::move(bitmap), scale, "Weather/" + std::string(conditionName(condition)));
}

} // namespace orblib
