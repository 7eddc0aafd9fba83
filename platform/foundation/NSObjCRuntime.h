#pragma once

// Foundation's basic types, shared by its classes.

using NSInteger = long;
using NSUInteger = unsigned long;

enum NSComparisonResult : NSInteger {
    NSOrderedAscending = -1,
    NSOrderedSame = 0,
    NSOrderedDescending = 1,
};
