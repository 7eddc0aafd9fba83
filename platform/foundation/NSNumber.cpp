#include "foundation/NSNumber.h"

#include <cmath>
#include <limits>

namespace {

template <class T> T saturated(double value)
{
    using Limits = std::numeric_limits<T>;
    if (std::isnan(value))
        return 0;
    if (value <= static_cast<double>(Limits::min()))
        return Limits::min();
    // The maximum of a 64-bit integer rounds up as a double, so compare with >=.
    if (value >= static_cast<double>(Limits::max()))
        return Limits::max();
    return static_cast<T>(value);
}

} // namespace

std::shared_ptr<NSNumber> NSNumber::numberWithBool(bool value)
{
    return std::shared_ptr<NSNumber>(new NSNumber(Kind::Boolean, value ? 1 : 0, value ? 1 : 0));
}

std::shared_ptr<NSNumber> NSNumber::numberWithInt(int value)
{
    return numberWithInteger(value);
}

std::shared_ptr<NSNumber> NSNumber::numberWithInteger(NSInteger value)
{
    return std::shared_ptr<NSNumber>(new NSNumber(Kind::Integer, value, static_cast<double>(value)));
}

std::shared_ptr<NSNumber> NSNumber::numberWithFloat(float value)
{
    return numberWithDouble(value);
}

std::shared_ptr<NSNumber> NSNumber::numberWithDouble(double value)
{
    return std::shared_ptr<NSNumber>(new NSNumber(Kind::Real, saturated<NSInteger>(value), value));
}

bool NSNumber::boolValue() const
{
    return m_kind == Kind::Real ? m_real != 0 : m_integer != 0;
}

int NSNumber::intValue() const
{
    if (m_kind == Kind::Real)
        return saturated<int>(m_real);
    if (m_integer < std::numeric_limits<int>::min())
        return std::numeric_limits<int>::min();
    if (m_integer > std::numeric_limits<int>::max())
        return std::numeric_limits<int>::max();
    return static_cast<int>(m_integer);
}

NSInteger NSNumber::integerValue() const
{
    return m_integer;
}

float NSNumber::floatValue() const
{
    return static_cast<float>(doubleValue());
}

double NSNumber::doubleValue() const
{
    return m_kind == Kind::Real ? m_real : static_cast<double>(m_integer);
}
