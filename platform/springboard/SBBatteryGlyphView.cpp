#include "springboard/SBBatteryGlyphView.h"

#include "iokit/Battery.h"
#include "springboard/HostSupport.h"
#include "uikit/UIColor.h"

namespace springboard {

namespace {

constexpr CGFloat nubWidth = 2;
constexpr CGFloat inset = 2;

} // namespace

std::shared_ptr<SBBatteryGlyphView> SBBatteryGlyphView::create(CGRect frame)
{
    auto glyph = std::make_shared<SBBatteryGlyphView>();
    glyph->setFrame(frame);
    glyph->m_body = makeView("batteryBody");
    glyph->m_body->layer().setBorderWidth(1);
    glyph->m_body->layer().setCornerRadius(2.5);
    glyph->m_fill = makeView("batteryFill");
    glyph->m_fill->layer().setCornerRadius(1);
    glyph->m_nub = makeView("batteryNub");
    for (auto& part : { glyph->m_body, glyph->m_fill, glyph->m_nub })
        glyph->addSubview(part);
    glyph->setTintColor(UIColor::whiteColor());
    return glyph;
}

void SBBatteryGlyphView::setTintColor(std::shared_ptr<UIColor> tint)
{
    m_tint = std::move(tint);
    m_body->layer().setBorderColor(m_tint);
    m_nub->setBackgroundColor(m_tint);
    update();
}

void SBBatteryGlyphView::update()
{
    auto battery = iokit::Battery::state();
    if (battery.charging)
        m_fill->setBackgroundColor(UIColor::colorWithRed(0.3, 0.85, 0.39, 1));
    else if (battery.lowPowerMode)
        m_fill->setBackgroundColor(UIColor::colorWithRed(1, 0.8, 0, 1));
    else if (iokit::Battery::percentage() <= 20)
        m_fill->setBackgroundColor(UIColor::colorWithRed(1, 0.23, 0.19, 1));
    else
        m_fill->setBackgroundColor(m_tint);
    setNeedsLayout();
}

void SBBatteryGlyphView::layoutSubviews()
{
    CGSize size = bounds().size;
    CGFloat bodyWidth = size.width - nubWidth;
    m_body->setFrame(CGRectMake(0, 0, bodyWidth, size.height));
    m_nub->setFrame(CGRectMake(bodyWidth, size.height / 3, nubWidth, size.height / 3));
    CGFloat level = iokit::Battery::percentage() / 100.0;
    m_fill->setFrame(CGRectMake(inset, inset, (bodyWidth - 2 * inset) * level, size.height - 2 * inset));
}

} // namespace springboard
