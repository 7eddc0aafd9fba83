#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMMissivaThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Missiva> {
    OBJC_CLASS(LMMissivaThemedSwitchTableCell, PSSwitchTableCell)
};
