#pragma once

#include <cstdint>
#include <span>
#include <vector>

// A canonical prefix code no longer than a given number of bits, made from how often each
// symbol occurs, in the form deflate writes: codes bit-reversed for a stream filled from its
// least significant bit. Unused symbols get length 0; at least two symbols always get a code,
// so that every code is complete.
class HuffmanCode {
public:
    HuffmanCode(std::span<const std::uint32_t> frequencies, unsigned maximumLength);

    std::span<const std::uint8_t> lengths() const { return m_lengths; }
    unsigned length(unsigned symbol) const { return m_lengths[symbol]; }
    std::uint32_t code(unsigned symbol) const { return m_codes[symbol]; }
    // Symbols up to the last one with a code.
    unsigned usedSize() const;

private:
    std::vector<std::uint8_t> m_lengths;
    std::vector<std::uint32_t> m_codes;
};
