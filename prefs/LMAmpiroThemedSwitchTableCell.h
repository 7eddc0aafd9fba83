#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMAmpiroThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Ampiro> {
    OBJC_CLASS(LMAmpiroThemedSwitchTableCell, PSSwitchTableCell)
};
