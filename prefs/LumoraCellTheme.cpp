#include "prefs/LumoraCellTheme.h"

#include "foundation/NSString.h"
#include "preferences/PSSwitchTableCell.h"
#include "uikit/UIDevice.h"
#include "uikit/UILabel.h"
#include "uikit/UISwitch.h"

namespace {

constexpr CGFloat greyedAlpha = 0.7;

bool versionIsAtLeast(std::string_view version)
{
    NSString systemVersion(UIDevice::currentDevice()->systemVersion());
    return systemVersion.compare(version, NSNumericSearch) != NSOrderedAscending;
}

} // namespace

void LumoraCellTheme::themeText(PSTableCell& cell)
{
    cell.textLabel()->setTextColor(LumoraColorTable::color(LumoraColor::Base));
}

void LumoraCellTheme::themeSwitch(PSSwitchTableCell& cell, LumoraColor accent)
{
    if (auto control = objc::cast<UISwitch>(cell.control()))
        control->setOnTintColor(LumoraColorTable::color(accent));
    themeText(cell);
}

bool LumoraCellTheme::systemHasiOS9Options()
{
    return versionIsAtLeast("9.0") && !versionIsAtLeast("10.0");
}

void LumoraCellTheme::greyOut(PSTableCell& cell)
{
    cell.setAlpha(greyedAlpha);
    if (auto* switchCell = dynamic_cast<PSSwitchTableCell*>(&cell)) {
        if (auto control = objc::cast<UISwitch>(switchCell->control())) {
            control->setOn(false);
            control->setEnabled(false);
        }
    }
    cell.setUserInteractionEnabled(false);
}
