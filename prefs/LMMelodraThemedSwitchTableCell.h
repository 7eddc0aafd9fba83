#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMMelodraThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Melodra> {
    OBJC_CLASS(LMMelodraThemedSwitchTableCell, PSSwitchTableCell)
};
