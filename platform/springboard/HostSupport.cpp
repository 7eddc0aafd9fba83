#include "springboard/HostSupport.h"

#include "dispatch/NSTimer.h"
#include "foundation/NSDate.h"
#include "foundation/NSDateFormatter.h"
#include "springboard/Device.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace springboard {

std::shared_ptr<UILabel> makeLabel(
    std::string identifier, const char* fontName, CGFloat size, NSTextAlignment alignment)
{
    auto label = UILabel::create();
    label->setAccessibilityIdentifier(std::move(identifier));
    label->setFont(UIFont::fontWithName(fontName, size));
    label->setTextColor(UIColor::whiteColor());
    label->setTextAlignment(alignment);
    label->setUserInteractionEnabled(false);
    return label;
}

std::shared_ptr<UIView> makeGrabber(std::string identifier)
{
    auto grabber = makeView(std::move(identifier), UIColor::colorWithWhite(1, 0.6));
    grabber->layer().setCornerRadius(2.5);
    return grabber;
}

std::shared_ptr<UIView> makeView(std::string identifier, std::shared_ptr<UIColor> background)
{
    auto view = UIView::create();
    view->setAccessibilityIdentifier(std::move(identifier));
    view->setBackgroundColor(std::move(background));
    return view;
}

std::string formatNow(std::string pattern)
{
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat(std::move(pattern));
    return formatter->stringFromDate(NSDate::date());
}

std::string timeOfDayPattern()
{
    return currentDevice().uses24HourTime ? "HH:mm" : "h:mm";
}

void repeatEveryMinute(std::weak_ptr<NSObject> owner, std::function<void()> work)
{
    CFAbsoluteTime now = dispatch::RunLoop::main().now();
    CFAbsoluteTime nextMinute = (std::floor(now / 60) + 1) * 60;
    NSTimer::scheduledTimerWithTimeInterval(
        nextMinute - now,
        [owner = std::move(owner), work = std::move(work)](NSTimer*) {
            if (owner.expired())
                return;
            work();
            repeatEveryMinute(owner, work);
        },
        false);
}

std::string formatCountdown(double seconds)
{
    auto total = static_cast<long>(std::ceil(std::max(0.0, seconds)));
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%ld:%02ld:%02ld", total / 3600, total / 60 % 60, total % 60);
    else
        std::snprintf(text, sizeof text, "%ld:%02ld", total / 60, total % 60);
    return text;
}

} // namespace springboard
