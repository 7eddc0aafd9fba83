#pragma once

#include <gtest/gtest.h>

#include <string>

class UIView;

// The layout of a view tree as text, one line per view, indented two spaces a level, subviews
// back to front:
//     CLASS #id [x, y, width, height] transform=[a,b,c,d,tx,ty] hidden font=NAME/SIZE image=NAME "text"
// with the parts that do not apply left out. Values come from ViewDump, so numbers are rounded
// to four decimals and nothing depends on addresses.
std::string layoutDump(const UIView&);

// Compares layoutDump(view) with FOLDER/expected/NAME.txt (FOLDER from the source root); a
// mismatch lists the lines that differ. LUMORA_UPDATE_EXPECTED=1 rewrites the file instead
// (scripts/rebaseline-layouts).
testing::AssertionResult matchesExpectedLayout(
    const UIView&, const std::string& name, const std::string& folder);
