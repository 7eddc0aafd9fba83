// What our deflate writes, inflated by zlib, must be what went in, whatever the input is made of
// and however it is handed over; and its Huffman codes must fit their length limits.
#include "uikit/Adler32.h"
#include "uikit/DeflateWriter.h"
#include "uikit/HuffmanCode.h"

#include <gtest/gtest.h>

#include <zlib.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <string>

namespace {

std::vector<std::uint8_t> deflated(
    const std::vector<std::uint8_t>& input, std::vector<unsigned> distances, size_t pieceSize)
{
    std::vector<std::uint8_t> output;
    DeflateWriter writer(output, std::move(distances));
    for (size_t at = 0; at < input.size(); at += pieceSize) {
        size_t size = std::min(pieceSize, input.size() - at);
        std::copy_n(input.begin() + static_cast<std::ptrdiff_t>(at), size, writer.append(size));
    }
    writer.finish();
    return output;
}

std::optional<std::vector<std::uint8_t>> inflated(const std::vector<std::uint8_t>& stream, size_t size)
{
    std::vector<std::uint8_t> output(size + 1);
    uLongf length = output.size();
    if (uncompress(output.data(), &length, stream.data(), stream.size()) != Z_OK)
        return std::nullopt;
    output.resize(length);
    return output;
}

std::vector<std::uint8_t> randomBytes(size_t size, unsigned seed, unsigned range = 256)
{
    std::mt19937 random(seed);
    std::vector<std::uint8_t> bytes(size);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(random() % range);
    return bytes;
}

} // namespace

TEST(DeflateWriter, WhatItWritesInflatesToItsInput)
{
    struct Case {
        const char* name;
        std::vector<std::uint8_t> input;
        std::vector<unsigned> distances;
    };
    std::vector<std::uint8_t> runs(3 << 20, 0);
    for (size_t i = 1000; i < runs.size(); i += 70001)
        runs[i] = 9;
    std::vector<std::uint8_t> repeating(100000);
    for (size_t i = 0; i < repeating.size(); ++i)
        repeating[i] = static_cast<std::uint8_t>(i % 3 == 0 ? 0 : i / 997);
    // Tokens outnumber a block's share before its bytes do: short matches among literals.
    auto shortMatches = randomBytes(600000, 7, 4);
    auto farRepeat = randomBytes(40000, 3);
    std::copy_n(farRepeat.begin(), 7000, farRepeat.begin() + 32768);
    std::vector<Case> cases {
        { "nothing", {}, { 1 } },
        { "one byte", { 42 }, { 1 } },
        { "two bytes", { 42, 42 }, { 1 } },
        { "a short run", std::vector<std::uint8_t>(4, 7), { 1 } },
        { "megabytes of zeros with lone bytes", runs, { 3, 1 } },
        { "noise", randomBytes(300000, 1), { 4, 1 } },
        { "repeats a pixel back", repeating, { 3, 1 } },
        { "short matches", shortMatches, { 4, 1, 2 } },
        { "the farthest distance", farRepeat, { 32768 } },
        { "only literals", randomBytes(70000, 2, 16), { 32768 } },
    };
    for (const auto& c : cases) {
        for (size_t piece : { size_t(1), size_t(2251), size_t(1) << 20 }) {
            if (piece == 1 && c.input.size() > 100000)
                continue;
            SCOPED_TRACE(std::string(c.name) + ", appended " + std::to_string(piece) + " bytes at a time");
            auto stream = deflated(c.input, c.distances, piece);
            auto result = inflated(stream, c.input.size());
            ASSERT_TRUE(result);
            EXPECT_TRUE(*result == c.input);
            EXPECT_LE(stream.size(), c.input.size() + c.input.size() / 1000 + 32);
        }
    }
}

TEST(DeflateWriter, RunsAndRepeatsCostAlmostNothing)
{
    // A match of 258 bytes costs two bits at best.
    EXPECT_LT(deflated(std::vector<std::uint8_t>(1 << 20, 0), { 1 }, 4096).size(), 1200u);
    std::vector<std::uint8_t> pixels(1 << 20);
    for (size_t i = 0; i < pixels.size(); ++i)
        pixels[i] = static_cast<std::uint8_t>(i % 3 * 50);
    EXPECT_LT(deflated(pixels, { 3, 1 }, 4096).size(), 1200u);
}

TEST(DeflateWriter, RefusesDistancesDeflateCannotWrite)
{
    std::vector<std::uint8_t> output;
    EXPECT_THROW(DeflateWriter(output, {}), std::invalid_argument);
    EXPECT_THROW(DeflateWriter(output, { 0 }), std::invalid_argument);
    EXPECT_THROW(DeflateWriter(output, { 32769 }), std::invalid_argument);
}

TEST(HuffmanCode, CodesFitTheirLimitAndFillTheCodeSpace)
{
    struct Case {
        const char* name;
        std::vector<std::uint32_t> frequencies;
        unsigned limit;
    };
    // Fibonacci frequencies make the deepest unlimited trees.
    std::vector<std::uint32_t> fibonacci { 1, 1 };
    while (fibonacci.size() < 30)
        fibonacci.push_back(fibonacci[fibonacci.size() - 1] + fibonacci[fibonacci.size() - 2]);
    std::vector<std::uint32_t> literals(286, 0);
    for (size_t i = 0; i < literals.size(); ++i)
        literals[i] = i % 7 ? static_cast<std::uint32_t>(i * i) : 0;
    std::vector<Case> cases {
        { "nothing used", std::vector<std::uint32_t>(30, 0), 15 },
        { "one symbol used", { 0, 0, 5, 0 }, 15 },
        { "two symbols", { 3, 1000000 }, 15 },
        { "fibonacci, 15 bits", fibonacci, 15 },
        { "fibonacci, 7 bits", std::vector<std::uint32_t>(fibonacci.begin(), fibonacci.begin() + 19), 7 },
        { "all 19 code length symbols, 7 bits", std::vector<std::uint32_t>(19, 1), 7 },
        { "a literal alphabet", literals, 15 },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        HuffmanCode code(c.frequencies, c.limit);
        std::uint64_t space = 0;
        unsigned coded = 0;
        for (unsigned symbol = 0; symbol < c.frequencies.size(); ++symbol) {
            unsigned length = code.length(symbol);
            EXPECT_LE(length, c.limit);
            if (c.frequencies[symbol]) {
                EXPECT_GT(length, 0u) << "symbol " << symbol;
            }
            if (length) {
                space += std::uint64_t(1) << (c.limit - length);
                ++coded;
            }
        }
        EXPECT_GE(coded, 2u);
        EXPECT_EQ(space, std::uint64_t(1) << c.limit);
        // No code is the start of another (codes are bit-reversed: compare low bits).
        for (unsigned a = 0; a < c.frequencies.size(); ++a)
            for (unsigned b = 0; b < c.frequencies.size(); ++b)
                if (a != b && code.length(a) && code.length(a) <= code.length(b)) {
                    EXPECT_NE(code.code(a), code.code(b) & ((1u << code.length(a)) - 1)) << a << " " << b;
                }
    }
}

TEST(Adler32, AgreesWithZlibWhateverThePieces)
{
    auto random = randomBytes(200003, 5);
    std::vector<std::uint8_t> ones(100000, 255);
    for (const auto* bytes : { &random, &ones }) {
        for (size_t piece : { size_t(1), size_t(15), size_t(5552), size_t(16 * 347 + 3), size_t(1) << 20 }) {
            Adler32 ours;
            for (size_t at = 0; at < bytes->size(); at += piece)
                ours.update(bytes->data() + at, std::min(piece, bytes->size() - at));
            EXPECT_EQ(ours.value(), adler32(1, bytes->data(), static_cast<uInt>(bytes->size()))) << piece;
        }
    }
}
