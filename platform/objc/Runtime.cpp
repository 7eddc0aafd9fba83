#include "objc/Runtime.h"

#include "objc/NSObject.h"

#include <atomic>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>

namespace objc {
namespace {

struct Registry {
    std::shared_mutex mutex;
    std::unordered_map<std::string, std::unique_ptr<objc_class>> defined;
    std::unordered_map<std::string, Class> registered;
    std::atomic<std::uint64_t> generation { 1 };
};

Registry& registry()
{
    static Registry instance;
    return instance;
}

} // namespace

Class Runtime::defineClass(std::string_view name, Class superclass)
{
    auto& reg = registry();
    std::unique_lock lock(reg.mutex);
    auto& slot = reg.defined[std::string(name)];
    if (!slot)
        slot = std::make_unique<objc_class>(std::string(name), superclass);
    return slot.get();
}

void Runtime::registerClass(Class cls)
{
    auto& reg = registry();
    std::unique_lock lock(reg.mutex);
    reg.registered[cls->name()] = cls;
}

void Runtime::registerClassHidden(Class cls)
{
    auto& reg = registry();
    std::unique_lock lock(reg.mutex);
    reg.registered.erase(cls->name());
}

void Runtime::beginProcess()
{
    auto& reg = registry();
    std::unique_lock lock(reg.mutex);
    reg.registered.clear();
    for (auto& [name, cls] : reg.defined)
        cls->forgetMethods();
    reg.generation.fetch_add(1, std::memory_order_acq_rel);
}

std::uint64_t Runtime::processGeneration()
{
    return registry().generation.load(std::memory_order_acquire);
}

} // namespace objc

Class objc_getClass(std::string_view name)
{
    auto& reg = objc::registry();
    std::shared_lock lock(reg.mutex);
    auto found = reg.registered.find(std::string(name));
    return found == reg.registered.end() ? nullptr : found->second;
}

Class object_getClass(id object)
{
    return object ? object->objcClass() : nullptr;
}

const char* class_getName(Class cls)
{
    return cls ? cls->name().c_str() : "nil";
}

Ivar class_getInstanceVariable(Class cls, std::string_view name)
{
    return cls ? cls->lookupIvar(name) : nullptr;
}

const char* ivar_getName(Ivar ivar)
{
    return ivar ? ivar->name.c_str() : nullptr;
}
