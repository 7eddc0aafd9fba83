#include "base/HookGroup.h"

#include "objc/CFLog.h"

namespace lumora {

HookGroup::HookGroup(std::string sourceLabel, int line)
    : m_sourceLabel(std::move(sourceLabel))
    , m_line(line)
{ }

void HookGroup::hookClass(std::string_view className, std::initializer_list<HookRow> rows) const
{
    if (Class cls = objc_getClass(className)) {
        for (auto& row : rows)
            row.installOn(cls);
        return;
    }
    for (size_t i = 0; i < rows.size(); ++i) {
        CFLog(kCFLogLevelError, "[%s: %s:%d] %s: %@", "Lumora", m_sourceLabel, m_line, "ERROR",
            objc::format("logos: nil class %s", className));
    }
}

} // namespace lumora
