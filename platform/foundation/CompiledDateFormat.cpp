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

std::string CompiledDateFormat::format(UDate time)
{
    std::optional<Kept> now;
    if (!m_showsSeconds) {
        // The same local minute in the same offsets shows the same text, whatever its seconds.
        int32_t rawOffset = 0, daylightOffset = 0;
        UErrorCode status = U_ZERO_ERROR;
        m_format->getTimeZone().getOffset(time, false, rawOffset, daylightOffset, status);
        if (U_SUCCESS(status)) {
            now = Kept { std::floor((time + rawOffset + daylightOffset) / 60000.0), rawOffset, daylightOffset,
                {} };
            if (m_kept && m_kept->localMinute == now->localMinute && m_kept->rawOffset == rawOffset
                && m_kept->daylightOffset == daylightOffset)
                return m_kept->text;
        }
    }
    icu::UnicodeString text;
    m_format->format(time, text);
    auto result = icu_support::utf8(text);
    if (now) {
        now->text = result;
        m_kept = std::move(now);
    }
    return result;
}

} // namespace foundation
