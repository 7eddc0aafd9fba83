#pragma once

#include "preferences/PSSwitchTableCell.h"
#include "prefs/LumoraCellTheme.h"

// What the themed switch cells share: each is a switch cell of the framework that, on every
// layout, tints its switch in one colour of the table and its text in the base colour. The
// classes themselves name this colour and declare the framework's switch cell their superclass.
template <LumoraColor accent> class LumoraAccentSwitchTableCell : public PSSwitchTableCell {
public:
    void layoutSubviews() override
    {
        PSSwitchTableCell::layoutSubviews();
        LumoraCellTheme::themeSwitch(*this, accent);
    }
};
