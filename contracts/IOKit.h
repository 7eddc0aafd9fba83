#pragma once

#include <cstdint>

// The power source's registry, read through the platform's C calls, and the few CoreFoundation
// types and calls that reading it takes. The ownership rules are the platform's: a call with
// "Create" in its name hands over one reference, which the caller gives back with CFRelease;
// IOServiceGetMatchingService consumes the matching dictionary it is given.

struct OpaqueCFString;
struct OpaqueCFNumber;
struct OpaqueCFDictionary;
struct OpaqueCFAllocator;

using CFTypeRef = const void*;
using CFStringRef = const OpaqueCFString*;
using CFNumberRef = const OpaqueCFNumber*;
using CFMutableDictionaryRef = OpaqueCFDictionary*;
using CFDictionaryRef = const OpaqueCFDictionary*;
using CFAllocatorRef = const OpaqueCFAllocator*;
using CFIndex = long;
using CFNumberType = CFIndex;
using Boolean = bool;

// CGFloat, a double on the devices the system runs on.
constexpr CFNumberType kCFNumberCGFloatType = 16;
inline const CFAllocatorRef kCFAllocatorDefault = nullptr;

using mach_port_t = std::uint32_t;
using io_object_t = mach_port_t;
using io_service_t = io_object_t;
using io_registry_entry_t = io_object_t;
using IOOptionBits = std::uint32_t;

constexpr mach_port_t kIOMainPortDefault = 0;
// No service.
constexpr io_object_t IO_OBJECT_NULL = 0;

// A string that lives for the whole run, like the platform's compile-time constant strings;
// CFRelease leaves it alone.
CFStringRef CFStringMakeConstantString(const char*);
#define CFSTR(text) CFStringMakeConstantString("" text "")

// Gives back one reference; the object goes with its last. Releasing nothing or an object that
// is already gone is a programming error (std::logic_error), where the platform would crash.
void CFRelease(CFTypeRef);
// Writes the number as the type asked for and answers true; answers false, writing nothing,
// when the type is not one it converts to or the object is not a number.
Boolean CFNumberGetValue(CFNumberRef, CFNumberType, void* valuePtr);

// A matching dictionary for services of the class ("IOPMPowerSource"), handed over to the caller.
CFMutableDictionaryRef IOServiceMatching(const char* name);
// The first service that matches, or IO_OBJECT_NULL; consumes the matching dictionary.
io_service_t IOServiceGetMatchingService(mach_port_t mainPort, CFDictionaryRef matching);
// The entry's property for the key, handed over to the caller; nothing when the entry or the
// key does not exist.
CFTypeRef IORegistryEntryCreateCFProperty(
    io_registry_entry_t entry, CFStringRef key, CFAllocatorRef allocator, IOOptionBits options);

// not implemented: other CoreFoundation types and calls, retaining, other services and their
// properties, iterators and notifications
