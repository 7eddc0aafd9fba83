#pragma once

#include "prefs/LumoraColorTable.h"

class PSSwitchTableCell;
class PSTableCell;

// The restyling the bundle's cells repeat on every layout.
class LumoraCellTheme {
public:
    // The row's text in the base colour.
    static void themeText(PSTableCell&);
    // The switch's on-tint in the accent, the text in the base colour.
    static void themeSwitch(PSSwitchTableCell&, LumoraColor accent);
    // Whether the rows that stand for options of 9.x systems apply: from "9.0" up to but not
    // including "10.0", compared numerically.
    static bool systemHasiOS9Options();
    // A row whose option does not apply: faded and deaf to touches; a switch shows off and is
    // disabled (what is stored does not change).
    static void greyOut(PSTableCell&);
};
