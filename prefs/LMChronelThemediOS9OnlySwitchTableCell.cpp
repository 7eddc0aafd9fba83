#include "prefs/LMChronelThemediOS9OnlySwitchTableCell.h"

void LMChronelThemediOS9OnlySwitchTableCell::layoutSubviews()
{
    LumoraAccentSwitchTableCell::layoutSubviews();
    if (!LumoraCellTheme::systemHasiOS9Options())
        LumoraCellTheme::greyOut(*this);
}
