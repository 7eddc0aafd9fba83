#include "_LMContainerView/LMView.h"

#include "LMAmpiro/LMAmpiroDisplayView.h"
#include "LMKalendoMissiva/LMTableViewController.h"
#include "LMMelodra/LMMelodraView.h"
#include "_LMContainerView/LMPanelState.h"
#include "_LMContainerView/LMPanelStyle.h"
#include "base/LMResourceBundle.h"
#include "contracts/OBMusicProvider.h"
#include "contracts/SBWallpaperView.h"
#include "dispatch/NSTimer.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSBundle.h"
#include "launcher/LMAppLauncherView.h"
#include "objc/ClassRef.h"
#include "overlays/LMTimeDisplayView.h"
#include "overlays/LMWeatherDisplayView.h"
#include "settings/LMSettings.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UILongPressGestureRecognizer.h"
#include "uikit/UITableView.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UIVisualEffectView.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr CGSize batteryIconSize { 25, 12.5 };
constexpr double defaultWeatherUpdateRate = 1800;

template <class View> std::shared_ptr<View> makeView(const char* field)
{
    auto view = View::create();
    view->setAccessibilityIdentifier(field);
    return view;
}

std::shared_ptr<UILabel> makeLabel(const char* field, NSInteger lines, NSTextAlignment alignment)
{
    auto label = makeView<UILabel>(field);
    label->setNumberOfLines(lines);
    label->setTextAlignment(alignment);
    label->setAdjustsFontSizeToFitWidth(true);
    return label;
}

template <class Recognizer, class Handler>
void attach(const std::shared_ptr<UIView>& view, const std::shared_ptr<LMView>& panel, Handler handler)
{
    view->addGestureRecognizer(std::make_shared<Recognizer>(panel, handler));
}

// A period of zero or less would be raised to the run loop's floor of a tenth of a millisecond,
// refreshing the weather (and making a provider) ten thousand times a second; anything under a
// second is as pointless. Such rates, and ones that are not numbers, get a sane period instead.
NSTimeInterval weatherUpdatePeriod(double rate)
{
    if (!std::isfinite(rate) || rate <= 0)
        return defaultWeatherUpdateRate;
    return std::max(rate, 1.0);
}

} // namespace

std::shared_ptr<LMView> LMView::sharedInstance()
{
    return dispatch::sharedInstance<LMView>();
}

std::shared_ptr<LMView> LMView::create()
{
    registerInstanceVariables(staticClass());
    return objc::make<LMView>();
}

void LMView::registerInstanceVariables(Class cls)
{
    cls->addIvar("_settings", &LMView::m_settings);
    cls->addIvar("_lumoraBundle", &LMView::m_lumoraBundle);
    cls->addIvar("_previousInterfaceOrientation", &LMView::m_previousInterfaceOrientation);
    cls->addIvar("_wallpaperImageView", &LMView::m_wallpaperImageView);
    cls->addIvar("_blurEffectView", &LMView::m_blurEffectView);
    cls->addIvar("_timeContainerView", &LMView::m_timeContainerView);
    cls->addIvar("_timeDateLabel", &LMView::m_timeDateLabel);
    cls->addIvar("_alarmTimerLabel", &LMView::m_alarmTimerLabel);
    cls->addIvar("_alarmImage", &LMView::m_alarmImage);
    cls->addIvar("_timerImage", &LMView::m_timerImage);
    cls->addIvar("_weatherContainerView", &LMView::m_weatherContainerView);
    cls->addIvar("_weatherIconAndConditionNameLabel", &LMView::m_weatherIconAndConditionNameLabel);
    cls->addIvar("_highLowLabel", &LMView::m_highLowLabel);
    cls->addIvar("_temperatureLabel", &LMView::m_temperatureLabel);
    cls->addIvar("_weatherErrorLabel", &LMView::m_weatherErrorLabel);
    cls->addIvar("_ampiroContainerView", &LMView::m_ampiroContainerView);
    cls->addIvar("_batteryPercentLabel", &LMView::m_batteryPercentLabel);
    cls->addIvar("_currentBatteryStateImageView", &LMView::m_currentBatteryStateImageView);
    for (bool lowPower : { false, true }) {
        for (size_t i = 0; i < LMBatteryIcons::count; ++i) {
            cls->addIvar(objc_ivar { LMBatteryIcons::fieldName(lowPower, i), typeid(std::shared_ptr<UIImage>),
                [lowPower, i](NSObject* object) -> void* {
                    auto* panel = dynamic_cast<LMView*>(object);
                    return panel ? &panel->m_batteryIcons.slot(lowPower, i) : nullptr;
                } });
        }
    }
    cls->addIvar("_musicProvider", &LMView::m_musicProvider);
}

void LMView::init()
{
    auto self = objc::retain(this);
    lumora::setSharedPanel(self);

    static objc::ClassRef musicProviderClass { "OBMusicProvider" };
    m_settings = LMSettings::sharedInstance();
    m_musicProvider = contracts::shared<contracts::OBMusicProvider>(musicProviderClass);
    m_lumoraBundle = NSBundle::initWithPath(LMResourceBundlePath);

    m_previousInterfaceOrientation = -1;
    m_isAnAlarmActive = false;
    m_timerState = LMTimerState::unknown;
    setBackgroundColor(UIColor::clearColor());

    if (m_settings->blurEnabled())
        addBackground();
    addChronel();
    addForecast();
    addAmpiro();
    addKalendoMissivaTableView();
    addSkipra();
    addMelodraView();

    updateLabels();
    updateViewVisibilites();

    std::weak_ptr<LMView> weakSelf = self;
    dispatch::RunLoop::main().postAfter(5.0, [weakSelf] {
        if (auto panel = weakSelf.lock())
            panel->update();
    });

    NSTimer::scheduledTimerWithTimeInterval(static_cast<double>(0.1f), self, &LMView::frameUpdateTimer, true);
    NSTimer::scheduledTimerWithTimeInterval(1.0, self, &LMView::visibilityHandlerAndTimeUpdateTimer, true);
    NSTimer::scheduledTimerWithTimeInterval(
        weatherUpdatePeriod(m_settings->weatherUpdateRate()), self, &LMView::weatherUpdateTimer, true);
    if (LMLocationFromStored(m_settings->location()) == LMLocation::lockScreen)
        NSTimer::scheduledTimerWithTimeInterval(
            10.0, self, &LMView::scheduleAndNotificationsUpdateTimer, true);
}

void LMView::addBackground()
{
    static objc::ClassRef wallpaperControllerClass { "SBWallpaperController" };
    auto controller = contracts::shared<NSObject>(wallpaperControllerClass);
    std::shared_ptr<UIView> wallpaperView;
    for (auto field : { "_lockscreenWallpaperView", "_sharedWallpaperView", "_homescreenWallpaperView" }) {
        if ((wallpaperView = objc_getIvarNamed<std::shared_ptr<UIView>>(controller.get(), field)))
            break;
    }
    auto wallpaper = objc::cast<contracts::SBWallpaperView>(wallpaperView);
    m_wallpaperImageView = UIImageView::initWithImage(wallpaper ? wallpaper->wallpaperImage() : nullptr);
    m_wallpaperImageView->setAccessibilityIdentifier("_wallpaperImageView");
    addSubview(m_wallpaperImageView);

    m_blurEffectView
        = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    m_blurEffectView->setAccessibilityIdentifier("_blurEffectView");
    m_blurEffectView->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    addSubview(m_blurEffectView);
}

void LMView::addChronel()
{
    auto self = objc::retain(this);
    m_timeContainerView = makeView<UIView>("_timeContainerView");
    m_timeContainerView->setUserInteractionEnabled(true);
    addSubview(m_timeContainerView);
    attach<UITapGestureRecognizer>(m_timeContainerView, self, &LMView::timeContainerSingleTapRecognizer);

    m_timeDateLabel = makeLabel("_timeDateLabel", 2, NSTextAlignmentLeft);
    m_timeDateLabel->setUserInteractionEnabled(false);
    m_timeContainerView->addSubview(m_timeDateLabel);

    m_alarmImage = LMPanelStyle::bundleImage(m_lumoraBundle, "Alarm", CGSizeMake(15, 15));
    m_timerImage
        = LMPanelStyle::bundleImage(m_lumoraBundle, "Timer", m_alarmImage ? m_alarmImage->size() : CGSize {});

    m_alarmTimerLabel = makeLabel("_alarmTimerLabel", 1, NSTextAlignmentCenter);
    m_alarmTimerLabel->setUserInteractionEnabled(true);
    addSubview(m_alarmTimerLabel);
    attach<UITapGestureRecognizer>(m_alarmTimerLabel, self, &LMView::alarmTimerLabelSingleTapRecognizer);
    attach<UILongPressGestureRecognizer>(
        m_alarmTimerLabel, self, &LMView::alarmTimerLabelLongPressRecognizer);

    if (auto timeOverlay = LMTimeDisplayView::sharedInstance())
        timeOverlay->setDelegate(self);
}

void LMView::addForecast()
{
    m_weatherContainerView = makeView<UIView>("_weatherContainerView");
    m_weatherContainerView->setUserInteractionEnabled(true);
    addSubview(m_weatherContainerView);
    attach<UITapGestureRecognizer>(
        m_weatherContainerView, objc::retain(this), &LMView::weatherContainerSingleTapRecognizer);

    m_weatherIconAndConditionNameLabel
        = makeLabel("_weatherIconAndConditionNameLabel", 1, NSTextAlignmentRight);
    m_highLowLabel = makeLabel("_highLowLabel", 1, NSTextAlignmentRight);
    m_temperatureLabel = makeLabel("_temperatureLabel", 1, NSTextAlignmentRight);
    m_weatherErrorLabel = makeLabel("_weatherErrorLabel", 0, NSTextAlignmentLeft);
    m_weatherErrorLabel->setUserInteractionEnabled(false);
    for (auto& label :
        { m_weatherIconAndConditionNameLabel, m_highLowLabel, m_temperatureLabel, m_weatherErrorLabel })
        m_weatherContainerView->addSubview(label);

    LMWeatherDisplayView::sharedInstance();
}

void LMView::addAmpiro()
{
    if (!m_settings->ampiroEnabled())
        return;
    m_ampiroContainerView = makeView<UIView>("_ampiroContainerView");
    m_ampiroContainerView->setUserInteractionEnabled(true);
    addSubview(m_ampiroContainerView);
    attach<UITapGestureRecognizer>(
        m_ampiroContainerView, objc::retain(this), &LMView::ampiroContainerSingleTapRecognizer);

    m_currentBatteryStateImageView = makeView<UIImageView>("_currentBatteryStateImageView");
    m_currentBatteryStateImageView->setFrame(CGRectMake(0, 0, batteryIconSize.width, batteryIconSize.height));
    m_currentBatteryStateImageView->setHidden(false);
    m_ampiroContainerView->addSubview(m_currentBatteryStateImageView);

    m_batteryIcons.load([&](std::string_view resource) {
        return LMPanelStyle::bundleImage(m_lumoraBundle, resource, batteryIconSize);
    });

    m_batteryPercentLabel = makeLabel("_batteryPercentLabel", 1, NSTextAlignmentLeft);
    m_ampiroContainerView->addSubview(m_batteryPercentLabel);

    LMAmpiroDisplayView::sharedInstance();
}

void LMView::addKalendoMissivaTableView()
{
    m_tableViewController = LMTableViewController::create();
    addSubview(m_tableViewController->tableView());
}

void LMView::addSkipra()
{
    m_appLauncherView = LMAppLauncherView::create();
    m_appLauncherView->setAccessibilityIdentifier("_appLauncherView");
    addSubview(m_appLauncherView);
}

void LMView::addMelodraView()
{
    m_melodraView = LMMelodraView::create();
    m_melodraView->setAccessibilityIdentifier("_melodraView");
    addSubview(m_melodraView);
}
