#include "preferences/PSEditableTableCell.h"

void PSEditableTableCell::typeText(const std::string& text)
{
    setValueText(text);
    if (m_committed)
        m_committed(text);
}
