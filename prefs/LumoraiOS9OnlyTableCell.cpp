#include "prefs/LumoraiOS9OnlyTableCell.h"

#include "prefs/LumoraCellTheme.h"

void LumoraiOS9OnlyTableCell::layoutSubviews()
{
    super::layoutSubviews();
    if (!LumoraCellTheme::systemHasiOS9Options())
        LumoraCellTheme::greyOut(*this);
}
