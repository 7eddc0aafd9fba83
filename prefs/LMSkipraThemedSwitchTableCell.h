#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMSkipraThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Skipra> {
    OBJC_CLASS(LMSkipraThemedSwitchTableCell, PSSwitchTableCell)
};
