#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMKalendoThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Kalendo> {
    OBJC_CLASS(LMKalendoThemedSwitchTableCell, PSSwitchTableCell)
};
