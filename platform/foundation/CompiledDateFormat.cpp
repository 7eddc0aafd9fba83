#include "foundation/CompiledDateFormat.h"

#include "foundation/ICUSupport.h"

#include <cmath>

namespace foundation {

CompiledDateFormat::CompiledDateFormat(
    std::unique_ptr<icu::SimpleDateFormat> format, const std::string& pattern)
    : m_format(std::move(format))
    , m_showsSeconds(showsSeconds(pattern))
{ }

bool CompiledDateFormat::showsSeconds(const std::string& pattern)
{
    bool quoted = false;
    for (char c : pattern) {
        if (c == '\'')
            quoted = !quoted;
        else if (!quoted && (c == 's' || c == 'S' || c == 'A'))
            return true;
    }
    return false;
}

std::optional<int32_t> CompiledDateFormat::offsetAt(UDate time) const
{
    int32_t rawOffset = 0, daylightOffset = 0;
    UErrorCode status = U_ZERO_ERROR;
    m_format->getTimeZone().getOffset(time, false, rawOffset, daylightOffset, status);
    return U_SUCCESS(status) ? std::optional(rawOffset + daylightOffset) : std::nullopt;
}

std::string CompiledDateFormat::format(UDate time)
{
    if (m_kept && time >= m_kept->from && time < m_kept->until)
        return m_kept->text;
    icu::UnicodeString text;
    m_format->format(time, text);
    auto result = icu_support::utf8(text);
    if (m_showsSeconds)
        return result;
    // The local minute the moment falls in, kept when the zone's offset is the same all through it.
    auto offset = offsetAt(time);
    if (!offset)
        return result;
    UDate from = std::floor((time + *offset) / 60000) * 60000 - *offset;
    UDate until = from + 60000;
    if (offsetAt(from) == offset && offsetAt(until - 1) == offset)
        m_kept = Kept { from, until, result };
    return result;
}

} // namespace foundation
