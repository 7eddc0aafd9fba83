#include "uikit/Adler32.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#else
#include <zlib.h>
#endif

#include <algorithm>

void Adler32::update(const std::uint8_t* data, std::size_t size)
{
#if defined(__SSE2__)
    constexpr std::uint32_t modulus = 65521;
    // The most 16-byte blocks before the sums must be reduced, as zlib's own limit of 5552 bytes.
    constexpr std::size_t blocksAtOnce = 347;
    std::uint64_t sum = m_value & 0xffff, weighted = m_value >> 16;
    const __m128i zero = _mm_setzero_si128();
    const __m128i firstWeights = _mm_setr_epi16(16, 15, 14, 13, 12, 11, 10, 9);
    const __m128i lastWeights = _mm_setr_epi16(8, 7, 6, 5, 4, 3, 2, 1);
    while (size >= 16) {
        std::size_t blocks = std::min(size / 16, blocksAtOnce);
        __m128i bytes = zero, earlierBytes = zero, weightedBytes = zero;
        for (std::size_t block = 0; block < blocks; ++block, data += 16) {
            __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(data));
            earlierBytes = _mm_add_epi64(earlierBytes, bytes);
            bytes = _mm_add_epi64(bytes, _mm_sad_epu8(v, zero));
            weightedBytes = _mm_add_epi32(weightedBytes,
                _mm_add_epi32(_mm_madd_epi16(_mm_unpacklo_epi8(v, zero), firstWeights),
                    _mm_madd_epi16(_mm_unpackhi_epi8(v, zero), lastWeights)));
        }
        std::uint64_t lanes[2], weightedLanes[2];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), bytes);
        std::uint64_t blockSum = lanes[0] + lanes[1];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(lanes), earlierBytes);
        std::uint64_t earlierSum = lanes[0] + lanes[1];
        _mm_storeu_si128(reinterpret_cast<__m128i*>(weightedLanes),
            _mm_add_epi32(weightedBytes, _mm_srli_si128(weightedBytes, 8)));
        std::uint64_t weightedSum = (weightedLanes[0] & 0xffffffff) + (weightedLanes[0] >> 32);
        weighted = (weighted + sum * 16 * blocks + 16 * earlierSum + weightedSum) % modulus;
        sum = (sum + blockSum) % modulus;
        size -= blocks * 16;
    }
    for (; size; --size, ++data) {
        sum += *data;
        weighted += sum;
    }
    m_value = static_cast<std::uint32_t>((weighted % modulus) << 16 | (sum % modulus));
#else
    m_value = static_cast<std::uint32_t>(adler32(m_value, data, static_cast<uInt>(size)));
#endif
}
