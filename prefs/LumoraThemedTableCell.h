#pragma once

#include "preferences/PSTableCell.h"

// A row whose text is in the base colour.
class LumoraThemedTableCell : public PSTableCell {
    OBJC_CLASS(LumoraThemedTableCell, PSTableCell)
public:
    void layoutSubviews() override;
};
