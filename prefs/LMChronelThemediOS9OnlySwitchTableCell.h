#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

// A Chronel switch for an option that only 9.x systems have: greyed out, off and disabled on
// any other system.
class LMChronelThemediOS9OnlySwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Chronel> {
    OBJC_CLASS(LMChronelThemediOS9OnlySwitchTableCell, PSSwitchTableCell)
public:
    void layoutSubviews() override;
};
