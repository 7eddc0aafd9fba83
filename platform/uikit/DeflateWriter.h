#pragma once

#include "uikit/Adler32.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

// A zlib stream made fast for pictures after PNG's Up filter, where what repeats is mostly
// near: runs of zero bytes from flat areas, the previous pixel's bytes again in gradients. Matches
// are looked for only at a few given distances, so a pass is one look per distance per byte,
// and each block of tokens gets its own Huffman codes (or is stored, when that is smaller).
class DeflateWriter {
public:
    // The zlib stream is appended to `output`; `distances` (1 to 32768) are where repeats are
    // looked for, most likely first.
    DeflateWriter(std::vector<std::uint8_t>& output, std::vector<unsigned> distances);

    // Room for the next `size` bytes of input, to be filled before any other call.
    std::uint8_t* append(std::size_t size);
    void finish();

private:
    void compress(std::size_t end);
    void tokenize(std::size_t end);
    void writeBlock();

    std::vector<std::uint8_t>& m_output;
    std::vector<unsigned> m_distances;
    std::vector<std::uint8_t> m_distanceCodes;
    std::size_t m_farthest;
    // The input of the block being made, after as much history as the distances reach, and what
    // was appended since the last piece was tokenized.
    std::unique_ptr<std::uint8_t[]> m_input;
    std::size_t m_inputSize = 0;
    std::size_t m_inputCapacity = 0;
    std::size_t m_blockStart = 0;
    std::size_t m_tokenized = 0;
    Adler32 m_adler;
    // A literal byte, or a match's length times 256 plus the index of its distance.
    std::unique_ptr<std::uint32_t[]> m_tokens;
    std::size_t m_tokenCount = 0;
    std::vector<std::uint32_t> m_literalFrequencies;
    std::vector<std::uint32_t> m_distanceFrequencies;
    std::uint64_t m_bits = 0;
    unsigned m_bitCount = 0;
};
