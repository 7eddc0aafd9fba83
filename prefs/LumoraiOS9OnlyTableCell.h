#pragma once

#include "preferences/PSTableCell.h"

// A row for an option that only 9.x systems have: greyed out and deaf to touches elsewhere.
class LumoraiOS9OnlyTableCell : public PSTableCell {
    OBJC_CLASS(LumoraiOS9OnlyTableCell, PSTableCell)
public:
    void layoutSubviews() override;
};
