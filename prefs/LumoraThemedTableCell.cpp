#include "prefs/LumoraThemedTableCell.h"

#include "prefs/LumoraCellTheme.h"

void LumoraThemedTableCell::layoutSubviews()
{
    super::layoutSubviews();
    LumoraCellTheme::themeText(*this);
}
