#pragma once

#include "foundation/NSObjCRuntime.h"

#include <memory>

class NSObject;

namespace foundation {

// The scalar conversions that text and numbers both answer, so a caller can convert whatever
// object a property list handed back without asking which kind it is.
class ScalarValue {
public:
    virtual ~ScalarValue() = default;

    virtual bool boolValue() const = 0;
    virtual int intValue() const = 0;
    virtual NSInteger integerValue() const = 0;
    virtual float floatValue() const = 0;
    virtual double doubleValue() const = 0;

    // The object's conversions, or nothing when it is no scalar (an array, a dictionary, data).
    template <class T> static const ScalarValue* of(const std::shared_ptr<T>& object)
    {
        return ofObject(object.get());
    }
    // The answer points into the object: a temporary would be gone before it is read.
    template <class T> static const ScalarValue* of(std::shared_ptr<T>&&) = delete;

private:
    static const ScalarValue* ofObject(const NSObject*);
};

} // namespace foundation
