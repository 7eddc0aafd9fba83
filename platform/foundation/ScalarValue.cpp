#include "foundation/ScalarValue.h"

#include "objc/NSObject.h"

namespace foundation {

const ScalarValue* ScalarValue::of(const std::shared_ptr<NSObject>& object)
{
    return dynamic_cast<const ScalarValue*>(object.get());
}

} // namespace foundation
