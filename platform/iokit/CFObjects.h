#pragma once

#include "contracts/IOKit.h"

#include <cstddef>
#include <optional>
#include <string>

// The CoreFoundation objects the registry hands out. They belong to the OS process: a simulated
// process that ends without releasing what it was given leaves it alive, as a leak would.
namespace iokit {

CFNumberRef createNumber(double);
CFMutableDictionaryRef createMatchingDictionary(std::string providerClass);

// The class a live matching dictionary asks for; nothing for anything else.
std::optional<std::string> matchingClass(CFDictionaryRef);
// Nothing for no string.
std::optional<std::string> stringText(CFStringRef);

// Numbers and dictionaries handed out and not yet released: what a leak check counts.
std::size_t liveObjectCount();

} // namespace iokit
