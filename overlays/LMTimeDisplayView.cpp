#include "overlays/LMTimeDisplayView.h"

#include "base/LMResourceBundle.h"
#include "base/LMSpringBoard.h"
#include "contracts/Alarm.h"
#include "contracts/AlarmManager.h"
#include "contracts/OBAppItem.h"
#include "contracts/OBImageFactory.h"
#include "contracts/SBClockDataProvider.h"
#include "contracts/TimerManager.h"
#include "dispatch/NSTimer.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSBundle.h"
#include "foundation/NSCalendar.h"
#include "foundation/NSDateFormatter.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "overlays/LMHourText.h"
#include "overlays/LMTimeDisplayDelegate.h"
#include "settings/LMSettings.h"
#include "uikit/NSAttributedString.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIColor.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UIPickerView.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UIVisualEffectView.h"

#include <cmath>

namespace {

// 1 January 1970 to 1 January 2001.
constexpr int epochDistanceInHours = 271752;

std::string twoDigits(long long value)
{
    return objc::format(value <= 9 ? "0%d" : "%d", value);
}

std::shared_ptr<UIImage> clockIcon()
{
    static objc::ClassRef appItemClass { "OBAppItem" };
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    auto clockApp = contracts::make<contracts::OBAppItem>(
        appItemClass, contracts::OBAppItem::initFromIdentifier, "com.apple.mobiletimer", false);
    if (!clockApp)
        return nullptr;
    return contracts::OBImageFactory::image(imageFactoryClass, clockApp->iconImage(), CGSizeMake(75, 75));
}

// The notification of the next alarm, today's first; nothing when none is set.
std::shared_ptr<NSObject> nextAlarmNotification()
{
    static objc::ClassRef clockDataProviderClass { "SBClockDataProvider" };
    auto provider = contracts::shared<NSObject>(clockDataProviderClass);
    if (auto today = objc_getIvarNamed<std::shared_ptr<NSObject>>(provider.get(), "_nextAlarmForToday"))
        return today;
    return objc_getIvarNamed<std::shared_ptr<NSObject>>(provider.get(), "_firstAlarmForTomorrow");
}

std::shared_ptr<NSDate> nextAlarmFireDate()
{
    static objc::ClassRef alarmClass { "Alarm" };
    auto notification = nextAlarmNotification();
    if (!notification)
        return nullptr;
    auto alarm = contracts::make<contracts::Alarm>(
        alarmClass, contracts::Alarm::initWithNotification, std::move(notification));
    return alarm ? alarm->nextFireDate() : nullptr;
}

} // namespace

std::shared_ptr<LMTimeDisplayView> LMTimeDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMTimeDisplayView>();
}

std::shared_ptr<LMTimeDisplayView> LMTimeDisplayView::create()
{
    return make<LMTimeDisplayView>();
}

bool LMTimeDisplayView::init()
{
    if (!LMContainerOverlay::init())
        return false;
    auto self = objc::retain(this);
    auto bundle = NSBundle::initWithPath(LMResourceBundlePath);
    for (int hour = 23; hour >= 0; --hour)
        m_hours.push_back(hour);
    for (int minute = 59; minute >= 0; --minute)
        m_minutes.push_back(minute);

    m_blurEffectView
        = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    m_blurEffectView->setAccessibilityIdentifier("blurEffectView");
    m_blurEffectView->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    m_blurEffectView->setUserInteractionEnabled(false);
    addSubview(m_blurEffectView);

    m_clockIconImageView = UIImageView::initWithImage(clockIcon());
    m_clockIconImageView->setAccessibilityIdentifier("clockIconImageView");
    addSubview(m_clockIconImageView);

    m_pickerView = UIPickerView::create();
    m_pickerView->setAccessibilityIdentifier("pickerView");
    m_pickerView->setBackgroundColor(UIColor::clearColor());
    m_pickerView->setShowsSelectionIndicator(true);
    m_pickerView->setDelegate(self);
    m_pickerView->setDataSource(self);
    m_pickerView->reloadAllComponents();
    m_pickerView->selectRow(11, 0, false);
    m_pickerView->selectRow(59, 1, false);
    addSubview(m_pickerView);

    m_pickerBackgroundView = UIView::create();
    m_pickerBackgroundView->setAccessibilityIdentifier("pickerBackgroundView");
    m_pickerBackgroundView->setBackgroundColor(UIColor::whiteColor());
    m_pickerBackgroundView->layer().setCornerRadius(10);
    m_pickerBackgroundView->setClipsToBounds(true);
    m_pickerBackgroundView->setAlpha(0.05);
    m_pickerView->addSubview(m_pickerBackgroundView);

    m_timerButtonImageView
        = makeButton(bundle, "SetTimer", &LMTimeDisplayView::timerButtonSingleTapRecognizer);
    m_timerButtonImageView->setAccessibilityIdentifier("timerButtonImageView");
    m_alarmButtonImageView
        = makeButton(bundle, "SetAlarm", &LMTimeDisplayView::alarmButtonSingleTapRecognizer);
    m_alarmButtonImageView->setAccessibilityIdentifier("alarmButtonImageView");

    NSTimer::scheduledTimerWithTimeInterval(1.0, self, &LMTimeDisplayView::updateTimer, true);
    return true;
}

std::shared_ptr<UIImageView> LMTimeDisplayView::makeButton(const std::shared_ptr<NSBundle>& bundle,
    const char* imageName, void (LMTimeDisplayView::*action)(UITapGestureRecognizer*))
{
    auto button = UIImageView::initWithImage(
        bundle ? UIImage::imageWithContentsOfFile(bundle->pathForResource(imageName, "png")) : nullptr);
    button->layer().setCornerRadius(12);
    button->setClipsToBounds(true);
    button->setUserInteractionEnabled(true);
    addSubview(button);
    button->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(objc::retain(this), action));
    return button;
}

void LMTimeDisplayView::updateFrame()
{
    OBContainerView::updateFrame();
    CGFloat w = width();
    CGFloat h = height();
    m_blurEffectView->setFrame(frame());

    CGSize iconSize = m_clockIconImageView->image() ? m_clockIconImageView->image()->size() : CGSize {};
    m_clockIconImageView->setFrame(CGRectMake(-1, -1, iconSize.width, iconSize.height));
    m_clockIconImageView->setCenter(CGPointMake(w * 0.5, h * (isPortrait() ? 0.19 : 0.125)));

    m_pickerView->setFrame(CGRectMake(-1, CGRectGetMaxY(m_clockIconImageView->frame()) + 15, 345.6, 216));
    m_pickerView->setCenter(CGPointMake(w * 0.5, m_pickerView->center().y));
    m_pickerBackgroundView->setFrame(m_pickerView->bounds());

    CGRect picker = m_pickerView->frame();
    CGFloat buttonWidth = picker.size.width * 0.5 - 10;
    CGFloat buttonHeight = buttonWidth * 0.292;
    if (isPortrait()) {
        m_timerButtonImageView->setFrame(
            CGRectMake(-1, CGRectGetMaxY(picker) + 25, buttonWidth, buttonHeight));
        m_timerButtonImageView->setCenter(CGPointMake(w * 0.5, m_timerButtonImageView->center().y));
        m_alarmButtonImageView->setFrame(
            CGRectMake(-1, CGRectGetMaxY(m_timerButtonImageView->frame()) + 10, buttonWidth, buttonHeight));
        m_alarmButtonImageView->setCenter(CGPointMake(w * 0.5, m_alarmButtonImageView->center().y));
        return;
    }
    m_timerButtonImageView->setFrame(
        CGRectMake(picker.origin.x, CGRectGetMaxY(picker) + 25, buttonWidth, buttonHeight));
    m_alarmButtonImageView->setFrame(CGRectMake(picker.origin.x + picker.size.width - buttonWidth,
        m_timerButtonImageView->frame().origin.y, buttonWidth, buttonHeight));
}

void LMTimeDisplayView::updateTimer(NSTimer*)
{
    auto panel = delegate();
    if (!panel)
        return;
    if (auto fireDate = nextAlarmFireDate()) {
        auto formatter = std::make_shared<NSDateFormatter>();
        formatter->setDateFormat(settings()->militaryTime() ? "HH:mm" : "hh:mm a");
        panel->setNextAlarmFireTime(formatter->stringFromDate(fireDate));
        panel->setIsAnAlarmActive(true);
    } else {
        panel->setIsAnAlarmActive(false);
        panel->setNextAlarmFireTime("");
    }

    // A host without the clock's timer has no timer to show: stopped, not paused.
    auto manager = LMSpringBoard::timerManager();
    auto state = manager ? LMTimerStateFromStored(manager->state()) : LMTimerState::none;
    panel->setTimerState(state);
    if (state == LMTimerState::running) {
        auto now = currentRelativeTimerDateWithHourOffset(0, 0, 0);
        panel->setTimerTimeRemaining(timeUntilFiredStringRepresentation(
            manager->fireTime() - (now ? now->timeIntervalSince1970() : 0)));
    } else if (state == LMTimerState::none)
        panel->setTimerTimeRemaining(std::nullopt);
    else
        panel->setTimerTimeRemaining("Timer Paused");
}

std::string LMTimeDisplayView::timeUntilFiredStringRepresentation(double seconds)
{
    // A timer read just past its fire time, or a fire time that is not a number, counts as run out.
    constexpr double longest = 1e12;
    long long total
        = std::isfinite(seconds) && seconds > 0 ? static_cast<long long>(std::min(seconds, longest)) : 0;
    long long hours = total / 3600;
    long long rest = total - 3600 * hours;
    long long minutes = rest / 60;
    std::string hh = objc::format(total < 36000 ? "0%d" : "%d", hours);
    std::string mm = objc::format(rest <= 599 ? "0%d" : "%d", minutes);
    std::string ss = twoDigits(total % 60);
    if (!hours)
        return minutes ? objc::format("%@:%@", mm, ss) : objc::format("00:%@", ss);
    if (settings()->chronelTimerHourAndSeconds())
        return objc::format("%@:%@:%@", hh, mm, ss);
    return objc::format("%@:%@", hh, mm);
}

std::shared_ptr<NSDate> LMTimeDisplayView::currentRelativeTimerDateWithHourOffset(
    int hours, int minutes, int seconds)
{
    NSDateComponents offset;
    offset.setHour(static_cast<NSInteger>(hours) - epochDistanceInHours);
    offset.setMinute(minutes);
    offset.setSecond(seconds);
    return NSCalendar::currentCalendar()->dateByAddingComponents(offset, NSDate::date());
}

NSInteger LMTimeDisplayView::numberOfComponentsInPickerView(UIPickerView*)
{
    return 2;
}

NSInteger LMTimeDisplayView::numberOfRowsInComponent(UIPickerView*, NSInteger component)
{
    return static_cast<NSInteger>(component == 0 ? m_hours.size() : m_minutes.size());
}

std::shared_ptr<NSAttributedString> LMTimeDisplayView::attributedTitleForRow(
    UIPickerView*, NSInteger row, NSInteger component)
{
    auto& values = component == 0 ? m_hours : m_minutes;
    if (row < 0 || row >= static_cast<NSInteger>(values.size()))
        return nullptr;
    int value = values[static_cast<size_t>(row)];
    std::string title = twoDigits(value);
    if (component == 0)
        title += "  |  " + LMTwelveHourText(value);
    return NSAttributedString::create(title, { .foregroundColor = UIColor::whiteColor() });
}

LMTimeDisplayView::PickedTime LMTimeDisplayView::pickedTime()
{
    auto valueAt = [this](const std::vector<int>& values, NSInteger component) {
        auto row = m_pickerView->selectedRowInComponent(component);
        return row >= 0 && row < static_cast<NSInteger>(values.size()) ? values[static_cast<size_t>(row)] : 0;
    };
    return { valueAt(m_hours, 0), valueAt(m_minutes, 1) };
}

void LMTimeDisplayView::alarmButtonSingleTapRecognizer(UITapGestureRecognizer*)
{
    static objc::ClassRef alarmClass { "Alarm" };
    static objc::ClassRef alarmManagerClass { "AlarmManager" };
    auto time = pickedTime();
    if (auto alarm = contracts::make<contracts::Alarm>(alarmClass, contracts::Alarm::initWithDefaultValues)) {
        alarm->setAllowsSnooze(true);
        alarm->setHour(time.hour);
        alarm->setMinute(time.minute);
        alarm->setTitle("");
        if (auto manager = contracts::shared<contracts::AlarmManager>(
                alarmManagerClass, contracts::AlarmManager::sharedManager)) {
            manager->loadAlarms();
            manager->addAlarm(alarm, true);
            manager->saveAlarms();
        }
    }
    UIAlertView::create("Alarm created succesfully", "", {}, "Close")->show();
    hide();
}

void LMTimeDisplayView::timerButtonSingleTapRecognizer(UITapGestureRecognizer*)
{
    auto time = pickedTime();
    auto fireDate = currentRelativeTimerDateWithHourOffset(time.hour, time.minute, 0);
    if (auto manager = LMSpringBoard::timerManager(); manager && fireDate)
        manager->scheduleAt(fireDate->timeIntervalSince1970(), manager->defaultSound());
    hide();
}

bool LMTimeDisplayView::resetsLockScreenDim() const
{
    return settings()->chronelResetLockScreenDim();
}
