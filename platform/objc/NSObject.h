#pragma once

#include "objc/Runtime.h"

#include <cstdint>
#include <memory>

// Declares a class to the runtime: its name and its superclass. Put it first in the class body.
#define OBJC_CLASS(Self, Super)                                                                              \
public:                                                                                                      \
    using super = Super;                                                                                     \
    static Class staticClass()                                                                               \
    {                                                                                                        \
        static const Class cls = objc::Runtime::defineClass(#Self, Super::staticClass());                    \
        return cls;                                                                                          \
    }                                                                                                        \
    Class objcClass() const override                                                                         \
    {                                                                                                        \
        return staticClass();                                                                                \
    }                                                                                                        \
                                                                                                             \
private:

class NSObject;

namespace objc {
// For an object of the device or of the OS process rather than of one simulated process (a time
// zone the device keeps, a platform singleton): it no longer counts among the live objects of
// the process that made it.
void keepAcrossProcesses(const NSObject&);
} // namespace objc

// The root of every runtime object. Objects are always owned through std::shared_ptr.
class NSObject : public std::enable_shared_from_this<NSObject> {
public:
    NSObject();
    NSObject(const NSObject&) = delete;
    NSObject& operator=(const NSObject&) = delete;
    virtual ~NSObject();

    static Class staticClass();
    virtual Class objcClass() const { return staticClass(); }

    const std::string& className() const { return objcClass()->name(); }
    bool isKindOfClass(Class cls) const { return objcClass()->isSubclassOf(cls); }
    bool isMemberOfClass(Class cls) const { return objcClass() == cls; }
    bool respondsToSelector(SEL selector) const { return objcClass()->respondsToSelector(selector); }

private:
    friend void objc::keepAcrossProcesses(const NSObject&);

    // The simulated process it was made in (objc::Runtime::liveObjects); 0 for none.
    mutable std::uint64_t m_processGeneration;
};

namespace objc {

// A strong reference to an object known only by its raw receiver pointer.
inline std::shared_ptr<NSObject> retain(id object)
{
    return object ? object->shared_from_this() : nullptr;
}

template <class T> std::shared_ptr<T> retain(T* object)
{
    return object ? std::static_pointer_cast<T>(object->shared_from_this()) : nullptr;
}

// The object as T, or nothing when it is not one.
template <class T, class U> std::shared_ptr<T> cast(const std::shared_ptr<U>& object)
{
    return std::dynamic_pointer_cast<T>(object);
}

} // namespace objc
