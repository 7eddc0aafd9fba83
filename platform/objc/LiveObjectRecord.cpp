#include "objc/LiveObjectRecord.h"

#include "objc/NSObject.h"

#include <atomic>
#include <mutex>
#include <unordered_map>

namespace objc {
namespace {

struct Record {
    std::atomic<bool> recording { false };
    std::mutex mutex;
    std::unordered_map<const NSObject*, std::uint64_t> generations;
};

Record& record()
{
    static Record instance;
    return instance;
}

} // namespace

void LiveObjectRecord::start()
{
    record().recording.store(true, std::memory_order_release);
}

void LiveObjectRecord::made(const NSObject* object, std::uint64_t generation)
{
    auto& live = record();
    if (!live.recording.load(std::memory_order_acquire))
        return;
    std::lock_guard lock(live.mutex);
    live.generations[object] = generation;
}

void LiveObjectRecord::destroyed(const NSObject* object)
{
    auto& live = record();
    if (!live.recording.load(std::memory_order_acquire))
        return;
    std::lock_guard lock(live.mutex);
    live.generations.erase(object);
}

std::vector<std::string> LiveObjectRecord::classNames(std::uint64_t generation)
{
    auto& live = record();
    std::lock_guard lock(live.mutex);
    std::vector<std::string> names;
    for (auto& [object, made] : live.generations) {
        if (made == generation)
            names.push_back(object->className());
    }
    return names;
}

} // namespace objc
