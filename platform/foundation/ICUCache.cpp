#include "foundation/ICUCache.h"

#include "foundation/CompiledDateFormat.h"

#include <unicode/gregocal.h>
#include <unicode/smpdtfmt.h>
#include <unicode/timezone.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <memory>
#include <stdexcept>
#include <vector>

namespace foundation {
namespace {

std::atomic<unsigned> s_generation { 0 };

// The system asks for a handful of each, again and again: a short list searched from the most
// recently used is cheaper than hashing the names, and allocates nothing.
template <class T, size_t parts> class Shelf {
public:
    using Key = std::array<std::string_view, parts>;

    // The kept value (which may be nothing), or nothing when none is kept.
    std::unique_ptr<T>* find(const Key& key)
    {
        auto found = std::ranges::find_if(m_entries, [&](auto& entry) {
            return std::ranges::equal(entry->key, key, [](auto& a, auto& b) { return a == b; });
        });
        if (found == m_entries.end())
            return nullptr;
        std::rotate(m_entries.begin(), found, found + 1);
        return &m_entries.front()->value;
    }
    T* add(const Key& key, std::unique_ptr<T> value)
    {
        auto entry = std::make_unique<Entry>();
        std::ranges::transform(key, entry->key.begin(), [](auto part) { return std::string(part); });
        entry->value = std::move(value);
        m_entries.insert(m_entries.begin(), std::move(entry));
        return m_entries.front()->value.get();
    }
    void clear() { m_entries.clear(); }

private:
    struct Entry {
        std::array<std::string, parts> key;
        std::unique_ptr<T> value;
    };
    // Held by pointer, so that bringing one to the front moves pointers, not its strings.
    std::vector<std::unique_ptr<Entry>> m_entries;
};

struct Kept {
    unsigned generation { 0 };
    Shelf<icu::Calendar, 2> calendars;
    // A pattern ICU refuses is kept as nothing, so it is not compiled again either.
    Shelf<CompiledDateFormat, 3> formats;
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
    if (auto* found = calendars.find({ timeZone, locale }); found && *found)
        return **found;
    UErrorCode status = U_ZERO_ERROR;
    auto calendar = std::make_unique<icu::GregorianCalendar>(
        makeTimeZone(timeZone), icu::Locale::createCanonical(locale.c_str()), status);
    if (U_FAILURE(status))
        throw std::runtime_error(std::string("cannot make a Gregorian calendar: ") + u_errorName(status));
    return *calendars.add({ timeZone, locale }, std::move(calendar));
}

CompiledDateFormat* ICUCache::dateFormat(
    const std::string& pattern, const std::string& locale, const std::string& timeZone)
{
    auto& formats = kept().formats;
    if (auto* found = formats.find({ pattern, locale, timeZone }))
        return found->get();
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(
        icu::UnicodeString::fromUTF8(pattern), icu::Locale::createCanonical(locale.c_str()), status);
    std::unique_ptr<CompiledDateFormat> compiled;
    if (U_SUCCESS(status)) {
        format->adoptTimeZone(makeTimeZone(timeZone));
        format->setLenient(false);
        compiled = std::make_unique<CompiledDateFormat>(std::move(format), pattern);
    }
    return formats.add({ pattern, locale, timeZone }, std::move(compiled));
}

void ICUCache::invalidate()
{
    s_generation.fetch_add(1, std::memory_order_acq_rel);
}

} // namespace foundation
