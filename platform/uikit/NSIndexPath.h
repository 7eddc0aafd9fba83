#pragma once

#include "foundation/NSObjCRuntime.h"
#include "objc/NSObject.h"

#include <memory>

// A row of a table: its section and its row within the section.
class NSIndexPath : public NSObject {
    OBJC_CLASS(NSIndexPath, NSObject)
public:
    NSIndexPath(NSInteger row, NSInteger section)
        : m_row(row)
        , m_section(section)
    { }
    static std::shared_ptr<NSIndexPath> indexPathForRow(NSInteger row, NSInteger section)
    {
        return std::make_shared<NSIndexPath>(row, section);
    }

    NSInteger row() const { return m_row; }
    NSInteger section() const { return m_section; }
    bool isEqual(const NSIndexPath& other) const
    {
        return m_row == other.m_row && m_section == other.m_section;
    }

private:
    NSInteger m_row;
    NSInteger m_section;
};
