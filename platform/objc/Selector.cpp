#include "objc/Selector.h"

#include <memory>
#include <mutex>
#include <unordered_map>

SEL sel_registerName(std::string_view name)
{
    static std::mutex mutex;
    static std::unordered_map<std::string_view, std::unique_ptr<objc_selector>> table;
    std::lock_guard lock(mutex);
    if (auto found = table.find(name); found != table.end())
        return found->second.get();
    auto selector = std::make_unique<objc_selector>(objc_selector { std::string(name) });
    SEL interned = selector.get();
    table.emplace(std::string_view(interned->name), std::move(selector));
    return interned;
}

const char* sel_getName(SEL selector)
{
    return selector ? selector->name.c_str() : "<null selector>";
}
