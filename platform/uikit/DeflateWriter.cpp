#include "uikit/DeflateWriter.h"

#include "uikit/HuffmanCode.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <array>
#include <cstring>
#include <span>
#include <stdexcept>

namespace {

constexpr unsigned minimumMatch = 3;
constexpr unsigned maximumMatch = 258;
constexpr unsigned maximumDistance = 32768;
// Blocks end at either limit, so that codes follow the picture's parts and the input kept for a
// block that is better stored stays small.
constexpr std::size_t blockTokens = 1 << 14;
constexpr std::size_t blockBytes = 1 << 18;
// Input is tokenized in pieces of this size while it is still in cache; blocks end between pieces.
constexpr std::size_t pieceBytes = 1 << 16;
constexpr std::size_t maximumDistanceCount = 8;
constexpr unsigned literalSymbols = 286;
constexpr unsigned distanceSymbols = 30;
constexpr unsigned endOfBlock = 256;

constexpr std::array<unsigned, 29> lengthBase { 3, 4, 5, 6, 7, 8, 9, 10, 11, 13, 15, 17, 19, 23, 27, 31, 35,
    43, 51, 59, 67, 83, 99, 115, 131, 163, 195, 227, 258 };
constexpr std::array<unsigned, 29> lengthExtra { 0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 2, 2, 2, 3, 3, 3, 3,
    4, 4, 4, 4, 5, 5, 5, 5, 0 };
constexpr std::array<unsigned, 30> distanceBase { 1, 2, 3, 4, 5, 7, 9, 13, 17, 25, 33, 49, 65, 97, 129, 193,
    257, 385, 513, 769, 1025, 1537, 2049, 3073, 4097, 6145, 8193, 12289, 16385, 24577 };
constexpr std::array<unsigned, 30> distanceExtra { 0, 0, 0, 0, 1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 8, 8,
    9, 9, 10, 10, 11, 11, 12, 12, 13, 13 };
constexpr std::array<unsigned, 19> codeLengthOrder { 16, 17, 18, 0, 8, 7, 9, 6, 10, 5, 11, 4, 12, 3, 13, 2,
    14, 1, 15 };

// The length code (0 for symbol 257) of each match length.
constexpr auto lengthCodes = [] {
    std::array<std::uint8_t, maximumMatch + 1> codes {};
    for (unsigned code = 0; code < lengthBase.size(); ++code)
        for (unsigned length = lengthBase[code];
             length < lengthBase[code] + (1u << lengthExtra[code]) && length <= maximumMatch; ++length)
            codes[length] = static_cast<std::uint8_t>(code);
    return codes;
}();

unsigned distanceCode(unsigned distance)
{
    unsigned code = 0;
    while (code + 1 < distanceBase.size() && distanceBase[code + 1] <= distance)
        ++code;
    return code;
}

std::uint64_t load64(const std::uint8_t* bytes)
{
    std::uint64_t value;
    std::memcpy(&value, bytes, sizeof value);
    return value;
}

// How many bytes at `here` repeat those at `there`, up to `limit`.
unsigned matchLength(const std::uint8_t* here, const std::uint8_t* there, unsigned limit)
{
    unsigned length = 0;
#if defined(__SSE2__)
    for (; length + 16 <= limit; length += 16) {
        auto equal = static_cast<unsigned>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(here + length)),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(there + length)))));
        if (equal != 0xffff)
            return length + unsigned(__builtin_ctz(~equal));
    }
#endif
    for (; length + 8 <= limit; length += 8)
        if (std::uint64_t difference = load64(here + length) ^ load64(there + length))
            return length + unsigned(__builtin_ctzll(difference)) / 8;
    while (length < limit && here[length] == there[length])
        ++length;
    return length;
}

#if defined(__SSE2__)
// Bit n is set where the byte at n repeats the one `distance` before it, for 32 bytes.
std::uint32_t repeatedBytes(const std::uint8_t* here, unsigned distance)
{
    auto equal = [&](unsigned offset) {
        return static_cast<std::uint32_t>(
            _mm_movemask_epi8(_mm_cmpeq_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(here + offset)),
                _mm_loadu_si128(reinterpret_cast<const __m128i*>(here + offset - distance)))));
    };
    return equal(0) | equal(16) << 16;
}
#endif

// Bits filled from the least significant end; every put writes the whole bytes out, so that at
// most 7 bits wait, and needs 8 bytes of room past the output.
struct BitStream {
    std::uint8_t* out;
    std::uint64_t bits;
    unsigned count;

    void put(std::uint64_t value, unsigned length)
    {
        bits |= value << count;
        count += length;
        std::memcpy(out, &bits, sizeof bits);
        out += count / 8;
        bits >>= count & 56;
        count &= 7;
    }
    void align()
    {
        if (count)
            put(0, 8 - count);
    }
};

// The code lengths of a dynamic block, run-length coded with symbols 16 to 18, and the code
// that writes them.
struct BlockHeader {
    struct Entry {
        std::uint8_t symbol;
        std::uint8_t extra;
    };
    unsigned literalCount;
    unsigned distanceCount;
    std::vector<Entry> entries;
    std::array<std::uint32_t, 19> frequencies {};

    BlockHeader(const HuffmanCode& literals, const HuffmanCode& distances)
        : literalCount(std::max(257u, literals.usedSize()))
        , distanceCount(std::max(1u, distances.usedSize()))
    {
        std::vector<std::uint8_t> lengths(
            literals.lengths().begin(), literals.lengths().begin() + literalCount);
        lengths.insert(
            lengths.end(), distances.lengths().begin(), distances.lengths().begin() + distanceCount);
        for (size_t i = 0; i < lengths.size();) {
            unsigned value = lengths[i];
            unsigned run = 1;
            while (i + run < lengths.size() && lengths[i + run] == value)
                ++run;
            i += run;
            if (value == 0) {
                for (; run >= 11; run -= std::min(run, 138u))
                    add(18, std::min(run, 138u) - 11);
                if (run >= 3) {
                    add(17, run - 3);
                    run = 0;
                }
            } else {
                add(value, 0);
                for (--run; run >= 3; run -= std::min(run, 6u))
                    add(16, std::min(run, 6u) - 3);
            }
            for (; run > 0; --run)
                add(value, 0);
        }
    }
    void add(unsigned symbol, unsigned extra)
    {
        entries.push_back({ static_cast<std::uint8_t>(symbol), static_cast<std::uint8_t>(extra) });
        ++frequencies[symbol];
    }
    static unsigned extraBits(unsigned symbol)
    {
        return symbol == 16 ? 2 : symbol == 17 ? 3 : symbol == 18 ? 7 : 0;
    }
};

void writeStoredBlocks(BitStream& stream, const std::uint8_t* data, std::size_t size)
{
    while (size) {
        auto length = static_cast<unsigned>(std::min<std::size_t>(size, 65535));
        stream.put(0, 3);
        stream.align();
        stream.put(length | std::uint64_t(~length & 0xffff) << 16, 32);
        std::memcpy(stream.out, data, length);
        stream.out += length;
        data += length;
        size -= length;
    }
}

void writeDynamicBlock(BitStream& stream, std::span<const std::uint32_t> tokens, const HuffmanCode& literals,
    const HuffmanCode& distances, const std::vector<std::uint8_t>& distanceCodes,
    const std::vector<unsigned>& distanceValues, const BlockHeader& header, const HuffmanCode& codeLengths)
{
    stream.put(2 << 1, 3);
    stream.put(header.literalCount - 257, 5);
    stream.put(header.distanceCount - 1, 5);
    unsigned codeLengthCount = 19;
    while (codeLengthCount > 4 && !codeLengths.length(codeLengthOrder[codeLengthCount - 1]))
        --codeLengthCount;
    stream.put(codeLengthCount - 4, 4);
    for (unsigned i = 0; i < codeLengthCount; ++i)
        stream.put(codeLengths.length(codeLengthOrder[i]), 3);
    for (auto entry : header.entries) {
        stream.put(codeLengths.code(entry.symbol), codeLengths.length(entry.symbol));
        if (unsigned extra = BlockHeader::extraBits(entry.symbol))
            stream.put(entry.extra, extra);
    }

    // Each match length and each distance as one run of bits: the code, then its extra bits.
    std::array<std::uint32_t, maximumMatch + 1> lengthBits {};
    std::array<std::uint8_t, maximumMatch + 1> lengthBitCount {};
    for (unsigned length = minimumMatch; length <= maximumMatch; ++length) {
        unsigned code = lengthCodes[length], symbol = 257 + code;
        lengthBits[length] = literals.code(symbol) | (length - lengthBase[code]) << literals.length(symbol);
        lengthBitCount[length] = static_cast<std::uint8_t>(literals.length(symbol) + lengthExtra[code]);
    }
    std::vector<std::uint32_t> distanceBits(distanceCodes.size());
    std::vector<std::uint8_t> distanceBitCount(distanceCodes.size());
    for (size_t index = 0; index < distanceCodes.size(); ++index) {
        unsigned code = distanceCodes[index];
        distanceBits[index]
            = distances.code(code) | (distanceValues[index] - distanceBase[code]) << distances.length(code);
        distanceBitCount[index] = static_cast<std::uint8_t>(distances.length(code) + distanceExtra[code]);
    }
    for (std::uint32_t token : tokens) {
        if (token < 256) {
            stream.put(literals.code(token), literals.length(token));
            continue;
        }
        unsigned length = token >> 8, index = token & 0xff;
        stream.put(lengthBits[length], lengthBitCount[length]);
        stream.put(distanceBits[index], distanceBitCount[index]);
    }
    stream.put(literals.code(endOfBlock), literals.length(endOfBlock));
}

} // namespace

DeflateWriter::DeflateWriter(std::vector<std::uint8_t>& output, std::vector<unsigned> distances)
    : m_output(output)
    , m_distances(std::move(distances))
    , m_literalFrequencies(literalSymbols, 0)
    , m_distanceFrequencies(distanceSymbols, 0)
{
    if (m_distances.empty() || m_distances.size() > maximumDistanceCount
        || std::any_of(m_distances.begin(), m_distances.end(),
            [](unsigned distance) { return distance == 0 || distance > maximumDistance; }))
        throw std::invalid_argument("deflate: match distances must be 1 to 32768");
    for (unsigned distance : m_distances)
        m_distanceCodes.push_back(static_cast<std::uint8_t>(distanceCode(distance)));
    m_farthest = *std::max_element(m_distances.begin(), m_distances.end());
    m_tokens = std::make_unique_for_overwrite<std::uint32_t[]>(blockTokens + pieceBytes);
    // A 32 KB window, the fastest level.
    m_output.push_back(0x78);
    m_output.push_back(0x01);
}

std::uint8_t* DeflateWriter::append(std::size_t size)
{
    if (m_inputSize - m_tokenized >= pieceBytes)
        compress(m_inputSize);
    if (m_inputSize + size > m_inputCapacity) {
        std::size_t capacity = std::max(m_inputSize + size, 2 * m_inputCapacity);
        auto input = std::make_unique_for_overwrite<std::uint8_t[]>(capacity);
        if (m_inputSize)
            std::memcpy(input.get(), m_input.get(), m_inputSize);
        m_input = std::move(input);
        m_inputCapacity = capacity;
    }
    std::uint8_t* room = m_input.get() + m_inputSize;
    m_inputSize += size;
    return room;
}

void DeflateWriter::finish()
{
    compress(m_inputSize);
    writeBlock();
    // An empty last block, in the fixed code: its end-of-block symbol is seven zero bits.
    std::size_t start = m_output.size();
    m_output.resize(start + 16);
    BitStream stream { m_output.data() + start, m_bits, m_bitCount };
    stream.put(1, 1);
    stream.put(1, 2);
    stream.put(0, 7);
    stream.align();
    for (int shift = 24; shift >= 0; shift -= 8)
        *stream.out++ = static_cast<std::uint8_t>(m_adler.value() >> shift);
    m_output.resize(static_cast<std::size_t>(stream.out - m_output.data()));
    m_bits = 0;
    m_bitCount = 0;
}

void DeflateWriter::compress(std::size_t end)
{
    while (m_tokenized < end) {
        tokenize(std::min(end, m_tokenized + pieceBytes));
        if (m_tokenCount >= blockTokens || m_tokenized - m_blockStart >= blockBytes) {
            writeBlock();
            // Only as much history as the farthest distance reaches.
            std::size_t kept = std::min(m_tokenized, m_farthest);
            std::size_t forgotten = m_tokenized - kept;
            std::memmove(m_input.get(), m_input.get() + forgotten, m_inputSize - forgotten);
            m_inputSize -= forgotten;
            m_tokenized = m_blockStart = kept;
            end -= forgotten;
        }
    }
}

void DeflateWriter::tokenize(std::size_t end)
{
    const std::uint8_t* data = m_input.get();
    m_adler.update(data + m_tokenized, end - m_tokenized);
    // Locals, so that stores of tokens and counts cannot be taken to change them.
    std::array<unsigned, maximumDistanceCount> distances {};
    std::array<std::uint8_t, maximumDistanceCount> distanceCodes {};
    const auto distanceCount = static_cast<unsigned>(m_distances.size());
    std::copy(m_distances.begin(), m_distances.end(), distances.begin());
    std::copy(m_distanceCodes.begin(), m_distanceCodes.end(), distanceCodes.begin());
    std::uint32_t* tokens = m_tokens.get() + m_tokenCount;
    std::uint32_t* literalFrequencies = m_literalFrequencies.data();
    std::uint32_t* distanceFrequencies = m_distanceFrequencies.data();

    const std::size_t farthest = m_farthest;
    for (std::size_t i = m_tokenized; i < end;) {
#if defined(__SSE2__)
        // Where no distance repeats three bytes, the bytes are literals: find them 30 at a time.
        if (i >= farthest && end - i >= 32) {
            std::uint32_t starts = 1u << 30;
            for (unsigned index = 0; index < distanceCount; ++index) {
                std::uint32_t equal = repeatedBytes(data + i, distances[index]);
                starts |= equal & equal >> 1 & equal >> 2;
            }
            auto literals = static_cast<unsigned>(__builtin_ctz(starts));
            for (unsigned n = 0; n < literals; ++n) {
                tokens[n] = data[i + n];
                ++literalFrequencies[data[i + n]];
            }
            tokens += literals;
            i += literals;
            if (literals == 30)
                continue;
        }
#endif
        auto limit = static_cast<unsigned>(std::min<std::size_t>(maximumMatch, end - i));
        unsigned bestLength = 0, bestIndex = 0;
        for (unsigned index = 0; index < distanceCount; ++index) {
            unsigned distance = distances[index];
            if (distance > i)
                continue;
            // A longer match must at least repeat the byte after the best one so far.
            if (bestLength && data[i + bestLength] != data[i + bestLength - distance])
                continue;
            unsigned length = matchLength(data + i, data + i - distance, limit);
            if (length > bestLength) {
                bestLength = length;
                bestIndex = index;
                if (length == limit)
                    break;
            }
        }
        if (bestLength >= minimumMatch) {
            *tokens++ = bestLength << 8 | bestIndex;
            ++literalFrequencies[257 + lengthCodes[bestLength]];
            ++distanceFrequencies[distanceCodes[bestIndex]];
            i += bestLength;
        } else {
            *tokens++ = data[i];
            ++literalFrequencies[data[i]];
            ++i;
        }
    }
    m_tokenCount = static_cast<std::size_t>(tokens - m_tokens.get());
    m_tokenized = end;
}

void DeflateWriter::writeBlock()
{
    std::size_t size = m_tokenized - m_blockStart;
    if (!size)
        return;
    m_literalFrequencies[endOfBlock] = 1;
    HuffmanCode literals(m_literalFrequencies, 15);
    HuffmanCode distances(m_distanceFrequencies, 15);
    BlockHeader header(literals, distances);
    HuffmanCode codeLengths(header.frequencies, 7);
    std::uint64_t dynamicBits = 3 + 5 + 5 + 4 + 3 * 19;
    for (auto entry : header.entries)
        dynamicBits += codeLengths.length(entry.symbol) + BlockHeader::extraBits(entry.symbol);
    for (unsigned symbol = 0; symbol < literalSymbols; ++symbol)
        dynamicBits += std::uint64_t(m_literalFrequencies[symbol])
            * (literals.length(symbol) + (symbol > endOfBlock ? lengthExtra[symbol - 257] : 0));
    for (unsigned symbol = 0; symbol < distanceSymbols; ++symbol)
        dynamicBits += std::uint64_t(m_distanceFrequencies[symbol])
            * (distances.length(symbol) + distanceExtra[symbol]);
    std::uint64_t storedBits = 8 * size + (size / 65535 + 1) * (3 + 7 + 32);

    std::size_t start = m_output.size();
    m_output.resize(start + std::min(storedBits, dynamicBits) / 8 + 16);
    BitStream stream { m_output.data() + start, m_bits, m_bitCount };
    if (storedBits <= dynamicBits)
        writeStoredBlocks(stream, m_input.get() + m_blockStart, size);
    else
        writeDynamicBlock(stream, { m_tokens.get(), m_tokenCount }, literals, distances, m_distanceCodes,
            m_distances, header, codeLengths);
    m_output.resize(static_cast<std::size_t>(stream.out - m_output.data()));
    m_bits = stream.bits;
    m_bitCount = stream.count;
    m_tokenCount = 0;
    std::fill(m_literalFrequencies.begin(), m_literalFrequencies.end(), 0);
    std::fill(m_distanceFrequencies.begin(), m_distanceFrequencies.end(), 0);
    m_blockStart = m_tokenized;
}
