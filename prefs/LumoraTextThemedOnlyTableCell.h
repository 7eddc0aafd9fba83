#pragma once

#include "prefs/LumoraThemedTableCell.h"

// A row restyled only in its text; the same look as the themed row, under its own name for the
// specifier files.
class LumoraTextThemedOnlyTableCell : public LumoraThemedTableCell {
    OBJC_CLASS(LumoraTextThemedOnlyTableCell, PSTableCell)
};
