#pragma once

#include "preferences/PSTableCell.h"

// A row that looks exactly like the framework's own: it exists so a specifier file can name it.
class LumoraImageThemedOnlyTableCell : public PSTableCell {
    OBJC_CLASS(LumoraImageThemedOnlyTableCell, PSTableCell)
};
