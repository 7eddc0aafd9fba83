#include "objc/NSObject.h"

Class NSObject::staticClass()
{
    static const Class cls = objc::Runtime::defineClass("NSObject", nullptr);
    return cls;
}
