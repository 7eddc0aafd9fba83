#include "foundation/NSDateFormatter.h"

#include "foundation/CompiledDateFormat.h"
#include "foundation/ICUCache.h"
#include "foundation/ICUSupport.h"

using namespace foundation::icu_support;

NSDateFormatter::NSDateFormatter()
    : m_locale(NSLocale::currentLocale())
    , m_timeZone(NSTimeZone::defaultTimeZone())
{ }

void NSDateFormatter::setDateFormat(std::string pattern)
{
    m_dateFormat = std::move(pattern);
}

void NSDateFormatter::setLocale(std::shared_ptr<NSLocale> locale)
{
    m_locale = locale ? std::move(locale) : NSLocale::currentLocale();
}

void NSDateFormatter::setTimeZone(std::shared_ptr<NSTimeZone> timeZone)
{
    m_timeZone = timeZone ? std::move(timeZone) : NSTimeZone::defaultTimeZone();
}

foundation::CompiledDateFormat* NSDateFormatter::format() const
{
    if (m_dateFormat.empty())
        return nullptr;
    return foundation::ICUCache::dateFormat(m_dateFormat, m_locale->localeIdentifier(), m_timeZone->name());
}

std::string NSDateFormatter::stringFromDate(const std::shared_ptr<NSDate>& date) const
{
    auto* format = this->format();
    if (!date || !format)
        return {};
    return format->format(udate(*date));
}

std::shared_ptr<NSDate> NSDateFormatter::dateFromString(std::string_view string) const
{
    auto* format = this->format();
    if (!format)
        return nullptr;
    auto text
        = icu::UnicodeString::fromUTF8(icu::StringPiece(string.data(), static_cast<int32_t>(string.size())));
    icu::ParsePosition position;
    UDate milliseconds = format->icuFormat().parse(text, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != text.length())
        return nullptr;
    return dateFromUDate(milliseconds);
}
