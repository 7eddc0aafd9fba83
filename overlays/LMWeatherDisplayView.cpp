#include "overlays/LMWeatherDisplayView.h"

#include "base/LMEnums.h"
#include "contracts/OBWeatherProvider.h"
#include "dispatch/SharedInstance.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "overlays/LMWeatherDisplayDayView.h"
#include "overlays/LMWeatherDisplayHourlyView.h"
#include "overlays/LMWeatherText.h"
#include "settings/LMSettings.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIScrollView.h"
#include "uikit/UIVisualEffectView.h"

namespace {

void setLightFont(UILabel& label, const char* name, CGFloat shrink)
{
    label.setFont(UIFont::fontWithName(name, label.height() - shrink));
}

} // namespace

std::shared_ptr<LMWeatherDisplayView> LMWeatherDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMWeatherDisplayView>();
}

std::shared_ptr<LMWeatherDisplayView> LMWeatherDisplayView::create()
{
    return make<LMWeatherDisplayView>();
}

bool LMWeatherDisplayView::init()
{
    if (!LMContainerOverlay::init())
        return false;
    m_themeColor = settings()->themeColor();

    m_blurEffectView
        = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    m_blurEffectView->setAccessibilityIdentifier("blurEffectView");
    m_blurEffectView->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    m_blurEffectView->setUserInteractionEnabled(false);
    addSubview(m_blurEffectView);

    m_containerView = UIView::create();
    m_containerView->setAccessibilityIdentifier("containerView");
    m_containerView->setBackgroundColor(UIColor::clearColor());
    m_containerView->setUserInteractionEnabled(true);
    addSubview(m_containerView);

    m_locationLabel = makeLabel("locationLabel", NSTextAlignmentCenter);
    m_conditionNameLabel = makeLabel("conditionNameLabel", NSTextAlignmentCenter);
    m_todayTemperatureLabel = makeLabel("todayTemperatureLabel", NSTextAlignmentCenter);
    m_todayLabel = makeLabel("todayLabel", NSTextAlignmentLeft);
    m_todayLabel->setText("Today");
    m_todayHighLowLabel = makeLabel("todayHighLowLabel", NSTextAlignmentRight);
    return true;
}

std::shared_ptr<UILabel> LMWeatherDisplayView::makeLabel(const char* identifier, NSInteger alignment)
{
    auto label = LMWeatherLabel(identifier, m_themeColor, alignment);
    addSubview(label);
    return label;
}

void LMWeatherDisplayView::updateFrame()
{
    OBContainerView::updateFrame();
    CGFloat w = width();
    CGFloat h = height();
    m_blurEffectView->setFrame(frame());
    m_containerView->setFrame(frame());

    m_locationLabel->setFrame(CGRectMake(0, h * 0.054, w, h * 0.082));
    setLightFont(*m_locationLabel, "HelveticaNeue-Light", 10);
    m_conditionNameLabel->setFrame(CGRectMake(0, CGRectGetMaxY(m_locationLabel->frame()) + 5, w, h * 0.041));
    setLightFont(*m_conditionNameLabel, "HelveticaNeue-Light", 10);
    m_todayTemperatureLabel->setFrame(
        CGRectMake(5, CGRectGetMaxY(m_conditionNameLabel->frame()) + 10, w, h * 0.149));
    setLightFont(*m_todayTemperatureLabel, "HelveticaNeue-UltraLight", 10);
    m_todayLabel->setFrame(
        CGRectMake(40, CGRectGetMaxY(m_todayTemperatureLabel->frame()) + 10, w * 0.5, h * 0.027));
    setLightFont(*m_todayLabel, "HelveticaNeue-Light", 4);
    m_todayHighLowLabel->setFrame(
        CGRectMake(w * 0.5, m_todayLabel->frame().origin.y, w * 0.5 - 40, h * 0.027));
    setLightFont(*m_todayHighLowLabel, "HelveticaNeue-Light", 4);
}

void LMWeatherDisplayView::refreshContent()
{
    updateUsingCelciusScale(
        LMTemperatureScaleFromStored(settings()->temperatureScale()) == LMTemperatureScale::celsius);
}

std::shared_ptr<UIView> LMWeatherDisplayView::addRule(CGFloat y, CGFloat width)
{
    auto rule = UIView::create(CGRectMake(40, y, width, 1));
    rule->setBackgroundColor(m_themeColor);
    rule->setAlpha(0.1);
    m_containerView->addSubview(rule);
    return rule;
}

void LMWeatherDisplayView::updateUsingCelciusScale(bool celsius)
{
    static objc::ClassRef weatherProviderClass { "OBWeatherProvider" };
    auto subviews = m_containerView->subviews();
    for (auto& view : subviews)
        view->removeFromSuperview();

    auto weather = contracts::make<contracts::OBWeatherProvider>(
        weatherProviderClass, contracts::OBWeatherProvider::initUsingCelciusScale, celsius);
    std::vector<std::shared_ptr<contracts::OBDayForecast>> days;
    std::vector<std::shared_ptr<contracts::OBHourlyForecast>> hours;
    if (weather) {
        days = weather->dayForecasts();
        hours = weather->hourlyForecasts();
    }
    m_locationLabel->setText(weather ? weather->cityName() : "");
    m_conditionNameLabel->setText(weather ? weather->conditionName() : "");
    m_todayTemperatureLabel->setText(objc::format("%d°", weather ? weather->temperature() : 0));
    m_todayHighLowLabel->setAttributedText(
        LMHighLowText(weather ? weather->high() : 0, weather ? weather->low() : 0, 10));

    CGFloat h = height();
    CGRect overlayFrame = frame();
    auto firstRule = addRule(CGRectGetMaxY(m_todayLabel->frame()) + h * 0.0136, width() - 80);
    CGRect ruleFrame = firstRule->frame();

    auto strip = UIScrollView::create(CGRectMake(
        ruleFrame.origin.x, CGRectGetMaxY(ruleFrame) + h * 0.00679, ruleFrame.size.width, h * 0.109));
    strip->setAccessibilityIdentifier("hourlyStrip");
    strip->setBackgroundColor(UIColor::clearColor());
    strip->setScrollEnabled(true);
    strip->setShowsHorizontalScrollIndicator(false);
    strip->setCanCancelContentTouches(true);
    m_containerView->addSubview(strip);
    CGFloat x = 20;
    for (auto& hourly : hours) {
        auto cell = LMWeatherDisplayHourlyView::initWithHourlyForecast(
            hourly, settings()->forecastMilitaryTime(), overlayFrame);
        cell->setCenter(CGPointMake(x, cell->center().y));
        strip->addSubview(cell);
        x += cell->width() + 5;
    }
    strip->setContentSize(CGSizeMake(x - 20, strip->height()));

    auto secondRule = addRule(CGRectGetMaxY(strip->frame()) + h * 0.00679, ruleFrame.size.width);
    CGFloat y = CGRectGetMaxY(secondRule->frame()) + h * 0.027;
    for (auto& day : days) {
        if (!day || day->dayOfWeek() == "Today")
            continue;
        auto row = LMWeatherDisplayDayView::initWithDayForecast(day, overlayFrame);
        row->setCenter(CGPointMake(row->center().x, y));
        m_containerView->addSubview(row);
        y += row->height() + h * 0.00679;
    }
}

bool LMWeatherDisplayView::resetsLockScreenDim() const
{
    return settings()->forecastResetLockScreenDim();
}
