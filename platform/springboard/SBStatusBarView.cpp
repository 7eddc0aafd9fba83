#include "springboard/SBStatusBarView.h"

#include "iokit/Battery.h"
#include "springboard/Device.h"
#include "springboard/HostSupport.h"
#include "springboard/SBBatteryGlyphView.h"
#include "uikit/UIColor.h"

namespace springboard {

namespace {

constexpr CGFloat glyphWidth = 25;
constexpr CGFloat glyphHeight = 11;
constexpr CGFloat margin = 6;
constexpr CGFloat percentWidth = 40;

} // namespace

std::shared_ptr<SBStatusBarView> SBStatusBarView::create(CGFloat width)
{
    auto bar = std::make_shared<SBStatusBarView>();
    bar->setAccessibilityIdentifier("statusBar");
    bar->setFrame(CGRectMake(0, 0, width, height));
    bar->setUserInteractionEnabled(false);
    bar->m_signalLabel = makeLabel("statusBarSignal", "HelveticaNeue", 7, NSTextAlignmentLeft);
    bar->m_signalLabel->setText("\u25CF\u25CF\u25CF\u25CF\u25CB");
    bar->m_carrierLabel = makeLabel("statusBarCarrier", "HelveticaNeue", 12, NSTextAlignmentLeft);
    bar->m_timeLabel = makeLabel("statusBarTime", "HelveticaNeue-Medium", 12);
    bar->m_batteryPercentLabel
        = makeLabel("statusBarBatteryPercent", "HelveticaNeue", 12, NSTextAlignmentRight);
    bar->m_batteryGlyph = SBBatteryGlyphView::create(CGRectMake(0, 0, glyphWidth, glyphHeight));
    bar->m_batteryGlyph->setAccessibilityIdentifier("statusBarBattery");
    for (auto& part : std::initializer_list<std::shared_ptr<UIView>> { bar->m_signalLabel,
             bar->m_carrierLabel, bar->m_timeLabel, bar->m_batteryPercentLabel, bar->m_batteryGlyph })
        bar->addSubview(part);
    bar->update();
    return bar;
}

void SBStatusBarView::setStyle(long style)
{
    if (style == m_style)
        return;
    m_style = style;
    update();
}

void SBStatusBarView::update()
{
    auto& device = currentDevice();
    auto color = m_style == 0 ? UIColor::blackColor() : UIColor::whiteColor();
    for (auto& label : { m_signalLabel, m_carrierLabel, m_timeLabel, m_batteryPercentLabel })
        label->setTextColor(color);
    m_batteryGlyph->setTintColor(color);
    m_carrierLabel->setText(device.statusBar.carrier);
    m_timeLabel->setText(formatNow(device.uses24HourTime ? "HH:mm" : "h:mm a"));
    m_batteryPercentLabel->setHidden(!device.statusBar.showsBatteryPercentage);
    m_batteryPercentLabel->setText(std::to_string(iokit::Battery::percentage()) + "%");
    setNeedsLayout();
}

void SBStatusBarView::layoutSubviews()
{
    CGFloat width = bounds().size.width;
    m_signalLabel->setFrame(CGRectMake(margin, 0, 34, height));
    m_carrierLabel->setFrame(CGRectMake(margin + 36, 0, width / 2 - 80, height));
    m_timeLabel->setFrame(CGRectMake(width / 2 - 50, 0, 100, height));
    CGFloat glyphX = width - margin - glyphWidth;
    m_batteryGlyph->setFrame(CGRectMake(glyphX, (height - glyphHeight) / 2, glyphWidth, glyphHeight));
    m_batteryPercentLabel->setFrame(CGRectMake(glyphX - 4 - percentWidth, 0, percentWidth, height));
}

} // namespace springboard
