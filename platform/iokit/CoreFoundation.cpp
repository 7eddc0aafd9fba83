#include "iokit/CFObjects.h"

#include <map>
#include <memory>
#include <mutex>
#include <stdexcept>
#include <unordered_map>

struct OpaqueCFString {
    std::string text;
};

struct OpaqueCFNumber {
    double value;
};

struct OpaqueCFDictionary {
    std::string providerClass;
};

namespace iokit {
namespace {

template <class T> using Owned = std::unordered_map<const T*, std::unique_ptr<T>>;

struct Objects {
    std::mutex mutex;
    Owned<OpaqueCFNumber> numbers;
    Owned<OpaqueCFDictionary> dictionaries;
    std::map<std::string, std::unique_ptr<OpaqueCFString>, std::less<>> constants;
};

Objects& objects()
{
    static Objects instance;
    return instance;
}

template <class T> T* adopt(Owned<T>& owned, T object)
{
    auto made = std::make_unique<T>(std::move(object));
    auto* pointer = made.get();
    owned.emplace(pointer, std::move(made));
    return pointer;
}

template <class T> const T* find(const Owned<T>& owned, CFTypeRef object)
{
    auto found = owned.find(static_cast<const T*>(object));
    return found == owned.end() ? nullptr : found->second.get();
}

bool isConstant(const Objects& all, CFTypeRef object)
{
    for (auto& [text, string] : all.constants) {
        if (string.get() == object)
            return true;
    }
    return false;
}

} // namespace

CFNumberRef createNumber(double value)
{
    auto& all = objects();
    std::lock_guard lock(all.mutex);
    return adopt(all.numbers, OpaqueCFNumber { value });
}

CFMutableDictionaryRef createMatchingDictionary(std::string providerClass)
{
    auto& all = objects();
    std::lock_guard lock(all.mutex);
    return adopt(all.dictionaries, OpaqueCFDictionary { std::move(providerClass) });
}

std::optional<std::string> matchingClass(CFDictionaryRef dictionary)
{
    auto& all = objects();
    std::lock_guard lock(all.mutex);
    auto* found = find(all.dictionaries, dictionary);
    return found ? std::optional(found->providerClass) : std::nullopt;
}

std::optional<std::string> stringText(CFStringRef string)
{
    return string ? std::optional(string->text) : std::nullopt;
}

std::size_t liveObjectCount()
{
    auto& all = objects();
    std::lock_guard lock(all.mutex);
    return all.numbers.size() + all.dictionaries.size();
}

} // namespace iokit

CFStringRef CFStringMakeConstantString(const char* text)
{
    auto& all = iokit::objects();
    std::lock_guard lock(all.mutex);
    auto& string = all.constants[text];
    if (!string)
        string = std::make_unique<OpaqueCFString>(OpaqueCFString { text });
    return string.get();
}

void CFRelease(CFTypeRef object)
{
    auto& all = iokit::objects();
    std::lock_guard lock(all.mutex);
    if (all.numbers.erase(static_cast<const OpaqueCFNumber*>(object))
        || all.dictionaries.erase(static_cast<const OpaqueCFDictionary*>(object))
        || iokit::isConstant(all, object))
        return;
    throw std::logic_error("CFRelease of an object that does not exist (nothing, or released already)");
}

Boolean CFNumberGetValue(CFNumberRef number, CFNumberType type, void* valuePtr)
{
    auto& all = iokit::objects();
    std::lock_guard lock(all.mutex);
    auto* found = iokit::find(all.numbers, number);
    if (!found || type != kCFNumberCGFloatType || !valuePtr)
        return false;
    *static_cast<double*>(valuePtr) = found->value;
    return true;
}
