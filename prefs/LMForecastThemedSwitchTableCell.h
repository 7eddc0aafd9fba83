#pragma once

#include "prefs/LumoraAccentSwitchTableCell.h"

class LMForecastThemedSwitchTableCell : public LumoraAccentSwitchTableCell<LumoraColor::Forecast> {
    OBJC_CLASS(LMForecastThemedSwitchTableCell, PSSwitchTableCell)
};
