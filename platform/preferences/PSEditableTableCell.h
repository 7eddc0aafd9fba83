#pragma once

#include "preferences/PSTableCell.h"

// The framework's cell for a text row when the specifier names no class of its own.
class PSEditableTableCell : public PSTableCell {
    OBJC_CLASS(PSEditableTableCell, PSTableCell)
};
