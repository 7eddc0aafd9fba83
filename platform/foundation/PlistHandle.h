#pragma once

// Internal to foundation: owning handles for libplist's C values.

#include <cstdlib>
#include <memory>
#include <plist/plist.h>

namespace foundation {

struct PlistDeleter {
    void operator()(void* node) const { plist_free(node); }
};
// Owns a whole tree of libplist nodes.
using PlistHandle = std::unique_ptr<void, PlistDeleter>;

struct PlistMemoryDeleter {
    void operator()(char* memory) const { std::free(memory); }
};
// Owns text or bytes that libplist allocated for the caller.
using PlistMemory = std::unique_ptr<char, PlistMemoryDeleter>;

} // namespace foundation
