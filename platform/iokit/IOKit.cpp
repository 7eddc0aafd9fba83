#include "contracts/IOKit.h"

#include "iokit/CFObjects.h"
#include "iokit/PowerSource.h"

CFMutableDictionaryRef IOServiceMatching(const char* name)
{
    return name ? iokit::createMatchingDictionary(name) : nullptr;
}

io_service_t IOServiceGetMatchingService(mach_port_t, CFDictionaryRef matching)
{
    auto providerClass = iokit::matchingClass(matching);
    if (matching)
        CFRelease(matching);
    return providerClass == iokit::PowerSource::className ? iokit::PowerSource::service : IO_OBJECT_NULL;
}

CFTypeRef IORegistryEntryCreateCFProperty(
    io_registry_entry_t entry, CFStringRef key, CFAllocatorRef, IOOptionBits)
{
    auto name = iokit::stringText(key);
    if (entry != iokit::PowerSource::service || !name)
        return nullptr;
    auto value = iokit::PowerSource::property(*name);
    return value ? iokit::createNumber(*value) : nullptr;
}
