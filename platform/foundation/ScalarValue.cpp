#include "foundation/ScalarValue.h"

#include "objc/NSObject.h"

namespace foundation {

const ScalarValue* ScalarValue::ofObject(const NSObject* object)
{
    return dynamic_cast<const ScalarValue*>(object);
}

} // namespace foundation
