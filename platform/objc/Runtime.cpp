#include "objc/Runtime.h"

#include "objc/NSObject.h"

#include <array>
#include <atomic>
#include <map>
#include <mutex>
#include <shared_mutex>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

namespace objc {
namespace {

struct Registry {
    std::shared_mutex mutex;
    std::unordered_map<std::string, std::unique_ptr<objc_class>> defined;
    std::unordered_map<std::string, Class> registered;
    std::atomic<std::uint64_t> generation { 1 };
};

using Handlers = std::multimap<ProcessEndStage, std::function<void()>>;

// Only the main thread begins and ends processes, but a background block may register a handler
// (a sharedInstance made there).
struct EndHandlers {
    std::mutex mutex;
    Handlers once;
    Handlers always;
    // Ended: nothing has begun or registered since the last end.
    enum class State { Running, Ending, Ended } state { State::Running };
};

EndHandlers& endHandlers()
{
    static EndHandlers instance;
    return instance;
}

std::array<std::atomic<long>, 256>& liveCounts()
{
    static std::array<std::atomic<long>, 256> counts {};
    return counts;
}

Registry& registry()
{
    static Registry instance;
    return instance;
}

void runEndStages(EndHandlers& handlers)
{
    for (auto stage : { ProcessEndStage::Timers, ProcessEndStage::Overlays, ProcessEndStage::Windows,
             ProcessEndStage::SharedInstances, ProcessEndStage::ProcessState }) {
        std::vector<std::function<void()>> always;
        {
            std::lock_guard lock(handlers.mutex);
            auto [first, last] = handlers.always.equal_range(stage);
            for (auto entry = first; entry != last; ++entry)
                always.push_back(entry->second);
        }
        for (auto& handler : always)
            handler();
        for (;;) {
            std::function<void()> handler;
            {
                std::lock_guard lock(handlers.mutex);
                auto [first, last] = handlers.once.equal_range(stage);
                if (first == last)
                    break;
                // The latest first: what was made last goes first.
                auto entry = std::prev(last);
                handler = std::move(entry->second);
                handlers.once.erase(entry);
            }
            handler();
        }
    }
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
    endProcess();
    std::lock_guard lock(endHandlers().mutex);
    endHandlers().state = EndHandlers::State::Running;
}

void Runtime::endProcess()
{
    auto& handlers = endHandlers();
    {
        std::lock_guard lock(handlers.mutex);
        if (handlers.state != EndHandlers::State::Running)
            return;
        handlers.state = EndHandlers::State::Ending;
    }
    // A handler registered while ending for a stage already passed (a shared instance made by a
    // destructor) still runs within this end: the stages run again until none is left.
    for (bool again = true; again;) {
        runEndStages(handlers);
        std::lock_guard lock(handlers.mutex);
        again = !handlers.once.empty();
    }
    {
        auto& reg = registry();
        std::unique_lock lock(reg.mutex);
        reg.registered.clear();
        for (auto& [name, cls] : reg.defined)
            cls->forgetMethods();
        reg.generation.fetch_add(1, std::memory_order_acq_rel);
    }
    std::lock_guard lock(handlers.mutex);
    handlers.state = EndHandlers::State::Ended;
}

void Runtime::atProcessEnd(ProcessEndStage stage, std::function<void()> handler)
{
    std::lock_guard lock(endHandlers().mutex);
    if (endHandlers().state == EndHandlers::State::Ended)
        endHandlers().state = EndHandlers::State::Running;
    endHandlers().once.emplace(stage, std::move(handler));
}

void Runtime::atEveryProcessEnd(ProcessEndStage stage, std::function<void()> handler)
{
    std::lock_guard lock(endHandlers().mutex);
    endHandlers().always.emplace(stage, std::move(handler));
}

long Runtime::liveObjects(std::uint64_t generation)
{
    return liveCounts()[generation % liveCounts().size()].load(std::memory_order_acquire);
}

void Runtime::objectMade(std::uint64_t generation)
{
    liveCounts()[generation % liveCounts().size()].fetch_add(1, std::memory_order_relaxed);
}

void Runtime::objectDestroyed(std::uint64_t generation)
{
    liveCounts()[generation % liveCounts().size()].fetch_sub(1, std::memory_order_acq_rel);
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
