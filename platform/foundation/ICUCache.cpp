#include "foundation/ICUCache.h"

#include "foundation/CompiledDateFormat.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <atomic>
#include <memory>
#include <stdexcept>
#include <unordered_map>

namespace foundation {
namespace {

std::atomic<unsigned> s_generation { 0 };

// Each part with its length first, so that no two different sets of parts make the same key.
template <class... Parts> std::string key(const Parts&... parts)
{
    std::string result;
    ((result += std::to_string(parts.size()), result += ':', result += parts), ...);
    return result;
}

struct Kept {
    unsigned generation { 0 };
    std::unordered_map<std::string, std::unique_ptr<icu::Calendar>> calendars;
    // A pattern ICU refuses is kept as nothing, so it is not compiled again either.
    std::unordered_map<std::string, std::unique_ptr<CompiledDateFormat>> formats;
};

Kept& kept()
{
    thread_local Kept kept;
    unsigned generation = s_generation.load(std::memory_order_acquire);
    if (kept.generation != generation) {
        kept.calendars.clear();
        kept.formats.clear();
        kept.generation = generation;
    }
    return kept;
}

icu::TimeZone* makeTimeZone(const std::string& name)
{
    return icu::TimeZone::createTimeZone(icu::UnicodeString::fromUTF8(name));
}

} // namespace

icu::Calendar& ICUCache::calendar(const std::string& timeZone, const std::string& locale)
{
    auto& calendars = kept().calendars;
    auto key = foundation::key(timeZone, locale);
    auto found = calendars.find(key);
    if (found != calendars.end())
        return *found->second;
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(
        makeTimeZone(timeZone), icu::Locale::createCanonical(locale.c_str()), status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("cannot make a Gregorian calendar: ") + u_errorName(status));
    return *calendars.emplace(std::move(key), std::move(calendar)).first->second;
}

CompiledDateFormat* ICUCache::dateFormat(
    const std::string& pattern, const std::string& locale, const std::string& timeZone)
{
    auto& formats = kept().formats;
    auto key = foundation::key(pattern, locale, timeZone);
    auto found = formats.find(key);
    if (found != formats.end())
        return found->second.get();
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(
        icu::UnicodeString::fromUTF8(pattern), icu::Locale::createCanonical(locale.c_str()), status);
    std::unique_ptr<CompiledDateFormat> compiled;
    if (U_SUCCESS(status)) {
        format->adoptTimeZone(makeTimeZone(timeZone));
        format->setLenient(false);
        compiled = std::make_unique<CompiledDateFormat>(std::move(format), pattern);
    }
    return formats.emplace(std::move(key), std::move(compiled)).first->second.get();
}

void ICUCache::invalidate()
{
    s_generation.fetch_add(1, std::memory_order_acq_rel);
}

} // namespace foundation
