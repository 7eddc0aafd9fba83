#pragma once

#include "foundation/NSObjCRuntime.h"

// A span of text, counted in UTF-16 code units as the platform's strings count.
struct NSRange {
    NSUInteger location { 0 };
    NSUInteger length { 0 };
    bool operator==(const NSRange&) const = default;
};

inline constexpr NSRange NSMakeRange(NSUInteger location, NSUInteger length)
{
    return { location, length };
}
