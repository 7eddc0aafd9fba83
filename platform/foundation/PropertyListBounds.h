#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace foundation {

// What a property list may ask of its reader before libplist sees it. libplist parses nesting by
// recursion, so a crafted file nested deep enough overflows the stack, and in a binary file
// objects shared by reference are copied each time they are reached, so a small file can
// expand without bound. Both are checked here, without recursion, before any parsing.
class PropertyListBounds {
public:
    static constexpr std::size_t maximumSize = 4 * 1024 * 1024;
    // Arrays and dictionaries inside one another; preference files nest two or three deep.
    static constexpr std::size_t maximumDepth = 128;
    // Every node a reader would build, counted by reference as libplist copies it, weighed as
    // nodeWeight plus its payload bytes.
    static constexpr std::uint64_t maximumExpandedSize = 2 * maximumSize;
    static constexpr std::uint64_t nodeWeight = 32;

    static bool isBinary(std::span<const std::uint8_t>);
    // Whether the file is small and shallow enough to hand to libplist. A binary list must also
    // be well formed in its structure (trailer, offsets, references, no cycles).
    static bool allowsBinary(std::span<const std::uint8_t>);
    static bool allowsXML(std::span<const std::uint8_t>);
};

} // namespace foundation
