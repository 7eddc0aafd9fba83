#pragma once

#include "objc/Class.h"

#include <cstdint>
#include <string_view>

// The object runtime. Classes are defined once per OS process (by OBJC_CLASS); a simulated
// SpringBoard process then registers the ones it has by name, with the methods that may be
// replaced. Starting a new simulated process forgets both, so a restarted host starts clean.
namespace objc {

class Runtime {
public:
    // The persistent class object for a C++ type; made on first use, never destroyed.
    static Class defineClass(std::string_view name, Class superclass);
    // Makes the class findable by name with objc_getClass in the current simulated process.
    static void registerClass(Class);
    // Registers the class and hides it from objc_getClass: it exists for the host's own code
    // but a library looking it up by name finds nothing, as on a system built without it.
    static void registerClassHidden(Class);

    // A new simulated process: no class is registered and every method table is empty.
    static void beginProcess();
    // Changes whenever a new simulated process begins; process-scoped state compares against it.
    static std::uint64_t processGeneration();
};

} // namespace objc

Class objc_getClass(std::string_view name);
Class object_getClass(id object);
const char* class_getName(Class cls);
Ivar class_getInstanceVariable(Class cls, std::string_view name);
const char* ivar_getName(Ivar ivar);

// Reads an instance variable by value. A missing variable or object reads as nothing (T{});
// reading it as another type than it holds is a programming error (objc::SignatureMismatch).
template <class T> T object_getIvar(id object, Ivar ivar)
{
    if (!object || !ivar)
        return T {};
    if (ivar->type != typeid(T))
        throw objc::SignatureMismatch("instance variable " + ivar->name + " is not read as its own type");
    void* address = ivar->address(object);
    return address ? *static_cast<T*>(address) : T {};
}

// Looks the variable up on the object's class and reads it: the common way replacements read
// SpringBoard's fields by name.
template <class T> T objc_getIvarNamed(id object, std::string_view name)
{
    return object ? object_getIvar<T>(object, class_getInstanceVariable(object_getClass(object), name))
                  : T {};
}
