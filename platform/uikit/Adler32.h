#pragma once

#include <cstddef>
#include <cstdint>

// The checksum that ends a zlib stream. zlib's own goes a byte at a time, and a screen's filtered
// rows are megabytes: this one sums 16 bytes at a time where the processor can.
class Adler32 {
public:
    void update(const std::uint8_t* data, std::size_t size);
    std::uint32_t value() const { return m_value; }

private:
    std::uint32_t m_value = 1;
};
