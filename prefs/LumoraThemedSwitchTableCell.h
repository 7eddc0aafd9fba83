#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LumoraThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Base> {
    OBJC_CLASS(LumoraThemedSwitchTableCell, PSSwitchTableCell)
};
