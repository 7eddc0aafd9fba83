#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMChronelThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Chronel> {
    OBJC_CLASS(LMChronelThemedSwitchTableCell, PSSwitchTableCell)
};
