#pragma once

#include "foundation/ScalarValue.h"
#include "objc/NSObject.h"

#include <memory>

// A boolean, a whole number or a real number. Conversions act on the number: a boolean is true
// when non-zero, whole numbers truncate toward zero and saturate, floats round to single precision.
class NSNumber : public NSObject, public foundation::ScalarValue {
    OBJC_CLASS(NSNumber, NSObject)
public:
    enum class Kind { Boolean, Integer, Real };

    static std::shared_ptr<NSNumber> numberWithBool(bool);
    static std::shared_ptr<NSNumber> numberWithInt(int);
    static std::shared_ptr<NSNumber> numberWithInteger(NSInteger);
    static std::shared_ptr<NSNumber> numberWithFloat(float);
    static std::shared_ptr<NSNumber> numberWithDouble(double);

    Kind kind() const { return m_kind; }

    bool boolValue() const override;
    int intValue() const override;
    NSInteger integerValue() const override;
    float floatValue() const override;
    double doubleValue() const override;

private:
    NSNumber(Kind kind, NSInteger integer, double real)
        : m_kind(kind)
        , m_integer(integer)
        , m_real(real)
    { }

    Kind m_kind;
    NSInteger m_integer;
    double m_real;
};
