#include "springboard/SBLockScreenBatteryChargingView.h"

#include "iokit/Battery.h"
#include "springboard/HostSupport.h"
#include "springboard/SBBatteryGlyphView.h"

namespace springboard {

std::shared_ptr<SBLockScreenBatteryChargingView> SBLockScreenBatteryChargingView::create()
{
    auto view = std::make_shared<SBLockScreenBatteryChargingView>();
    view->setAccessibilityIdentifier("_batteryChargingView");
    view->setFrame(CGRectMake(0, 0, 140, 70));
    view->setUserInteractionEnabled(false);
    view->m_glyph = SBBatteryGlyphView::create(CGRectMake(35, 0, 70, 32));
    view->m_glyph->setAccessibilityIdentifier("_batteryView");
    view->m_label = makeLabel("_chargePercentLabel", "HelveticaNeue-Light", 20);
    view->m_label->setFrame(CGRectMake(0, 40, 140, 30));
    view->addSubview(view->m_glyph);
    view->addSubview(view->m_label);
    view->update();
    return view;
}

void SBLockScreenBatteryChargingView::update()
{
    int percentage = iokit::Battery::percentage();
    m_label->setText(percentage >= 100 ? std::string("Charged") : std::to_string(percentage) + "%");
    m_glyph->update();
}

} // namespace springboard
