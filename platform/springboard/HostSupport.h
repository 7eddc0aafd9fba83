#pragma once

#include "uikit/CGGeometry.h"
#include "uikit/UILabel.h"

#include <functional>
#include <memory>
#include <string>

class NSObject;
class UIColor;

// Small pieces SpringBoard's classes are made of.
namespace springboard {

std::shared_ptr<UILabel> makeLabel(std::string identifier, const char* fontName, CGFloat size,
    NSTextAlignment alignment = NSTextAlignmentCenter);
// A short rounded bar, as the lock screen's grabbers show.
std::shared_ptr<UIView> makeGrabber(std::string identifier);
// A plain view with an accessibility identifier.
std::shared_ptr<UIView> makeView(std::string identifier, std::shared_ptr<UIColor> background = nullptr);

// The device's time now, by a pattern of date field symbols.
std::string formatNow(std::string pattern);
// The time of day as the device writes it: "9:05", or "09:05" in 24-hour time.
std::string timeOfDayPattern();
// Calls work at every change of minute on the device's clock, for as long as the owner lives.
void repeatEveryMinute(std::weak_ptr<NSObject> owner, std::function<void()> work);
// A count of seconds as minutes and seconds ("4:59"), or with the hours ("1:04:59").
std::string formatCountdown(double seconds);

} // namespace springboard
