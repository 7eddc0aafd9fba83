#pragma once

#include "preferences/PSTableCell.h"

#include <functional>

// A row holding a text the user types; the page stores it when typing ends.
// not implemented: the keyboard and a caret (typeText stands for a finished entry)
class PSEditableTableCell : public PSTableCell {
    OBJC_CLASS(PSEditableTableCell, PSTableCell)
public:
    using Committed = std::function<void(const std::string&)>;

    void setCommittedAction(Committed action) { m_committed = std::move(action); }
    // The user replaces the text and ends editing.
    void typeText(const std::string&);

private:
    Committed m_committed;
};
