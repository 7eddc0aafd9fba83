#pragma once

#include "objc/Class.h"

#include <cstdint>
#include <functional>
#include <string_view>

// The object runtime. Classes are defined once per OS process (by OBJC_CLASS); a simulated
// SpringBoard process then registers the ones it has by name, with the methods that may be
// replaced. Ending a simulated process forgets both, so a restarted host starts clean.
namespace objc {

// What ending a simulated process releases, in this order, so that nothing of the process is
// still alive (or still firing) when the next one begins.
enum class ProcessEndStage {
    // Scheduled timers and queued blocks are dropped.
    Timers,
    // Views presented in windows of their own are hidden (a shown one and its window hold each
    // other).
    Overlays,
    // The host's windows and application object are let go.
    Windows,
    // Every sharedInstance is let go.
    SharedInstances,
    // Module-level state (ProcessLocal) takes its initial value again.
    ProcessState,
};

class Runtime {
public:
    // The persistent class object for a C++ type; made on first use, never destroyed.
    static Class defineClass(std::string_view name, Class superclass);
    // Makes the class findable by name with objc_getClass in the current simulated process.
    static void registerClass(Class);
    // Registers the class and hides it from objc_getClass: it exists for the host's own code
    // but a library looking it up by name finds nothing, as on a system built without it.
    static void registerClassHidden(Class);

    // A new simulated process: no class is registered and every method table is empty. Ends
    // the running process first when nobody has.
    static void beginProcess();
    // Runs the process's end handlers stage by stage (each stage until no handler of it is
    // left, as releasing an object may register more), then forgets classes and replacements
    // and moves to the next generation. Ending twice in a row does nothing the second time.
    static void endProcess();
    // A handler run once when the running process ends.
    static void atProcessEnd(ProcessEndStage, std::function<void()>);
    // A handler run at the end of every process (for state that outlives processes, such as the
    // main run loop).
    static void atEveryProcessEnd(ProcessEndStage, std::function<void()>);
    // Changes whenever a simulated process ends; process-scoped state compares against it.
    static std::uint64_t processGeneration();

    // Objects (NSObject and below) made while the generation was current and still alive. After
    // a process ended, anything its generation still counts outlived it. Generations share 256
    // counters, so the count of one more than 256 generations old is not meaningful.
    static long liveObjects(std::uint64_t generation);
    static void objectMade(std::uint64_t generation);
    static void objectDestroyed(std::uint64_t generation);
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
