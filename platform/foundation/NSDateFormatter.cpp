#include "foundation/NSDateFormatter.h"

#include "foundation/ICUSupport.h"

#include <unicode/smpdtfmt.h>

using namespace foundation::icu_support;

NSDateFormatter::NSDateFormatter()
    : m_locale(NSLocale::currentLocale())
    , m_timeZone(NSTimeZone::defaultTimeZone())
{ }

NSDateFormatter::~NSDateFormatter() = default;

void NSDateFormatter::setDateFormat(std::string pattern)
{
    m_dateFormat = std::move(pattern);
    m_format.reset();
}

void NSDateFormatter::setLocale(std::shared_ptr<NSLocale> locale)
{
    m_locale = locale ? std::move(locale) : NSLocale::currentLocale();
    m_format.reset();
}

void NSDateFormatter::setTimeZone(std::shared_ptr<NSTimeZone> timeZone)
{
    m_timeZone = timeZone ? std::move(timeZone) : NSTimeZone::defaultTimeZone();
    m_format.reset();
}

icu::SimpleDateFormat* NSDateFormatter::format() const
{
    if (m_format || m_dateFormat.empty())
        return m_format.get();
    UErrorCode status = U_ZERO_ERROR;
    auto format = std::make_unique<icu::SimpleDateFormat>(
        icu::UnicodeString::fromUTF8(m_dateFormat), icuLocale(*m_locale), status);
    if (U_FAILURE(status))
        return nullptr;
    format->adoptTimeZone(createICUTimeZone(*m_timeZone));
    format->setLenient(false);
    m_format = std::move(format);
    return m_format.get();
}

std::string NSDateFormatter::stringFromDate(const std::shared_ptr<NSDate>& date) const
{
    auto* format = this->format();
    if (!date || !format)
        return {};
    icu::UnicodeString text;
    format->format(udate(*date), text);
    return utf8(text);
}

std::shared_ptr<NSDate> NSDateFormatter::dateFromString(std::string_view string) const
{
    auto* format = this->format();
    if (!format)
        return nullptr;
    auto text
        = icu::UnicodeString::fromUTF8(icu::StringPiece(string.data(), static_cast<int32_t>(string.size())));
    icu::ParsePosition position;
    UDate milliseconds = format->parse(text, position);
    if (position.getErrorIndex() >= 0 || position.getIndex() != text.length())
        return nullptr;
    return dateFromUDate(milliseconds);
}
