#include "uikit/HuffmanCode.h"

#include <algorithm>
#include <numeric>

namespace {

struct Leaf {
    std::uint32_t frequency;
    unsigned symbol;
};

// Depths of an unlimited Huffman tree over leaves sorted by rising frequency, merging from two
// queues (the leaves and the internal nodes, both rising), as counts per depth.
std::vector<unsigned> depthCounts(const std::vector<Leaf>& leaves)
{
    size_t count = leaves.size();
    std::vector<std::uint64_t> weight(count - 1);
    std::vector<size_t> parent(2 * count - 1);
    size_t nextLeaf = 0, nextNode = 0;
    auto takeSmallest = [&](size_t made) {
        if (nextLeaf < count && (nextNode == made || leaves[nextLeaf].frequency <= weight[nextNode])) {
            size_t leaf = nextLeaf++;
            return std::pair<std::uint64_t, size_t> { leaves[leaf].frequency, leaf };
        }
        size_t node = nextNode++;
        return std::pair<std::uint64_t, size_t> { weight[node], count + node };
    };
    for (size_t node = 0; node + 1 < count; ++node) {
        auto [firstWeight, first] = takeSmallest(node);
        auto [secondWeight, second] = takeSmallest(node);
        weight[node] = firstWeight + secondWeight;
        parent[first] = parent[second] = count + node;
    }
    // Internal nodes are made in order, so each one's parent comes later: depths from the root down.
    std::vector<unsigned> depth(2 * count - 1, 0);
    for (size_t node = 2 * count - 3; node + 1 > 0; --node)
        depth[node] = depth[parent[node]] + 1;
    std::vector<unsigned> counts;
    for (size_t leaf = 0; leaf < count; ++leaf) {
        if (depth[leaf] >= counts.size())
            counts.resize(depth[leaf] + 1);
        ++counts[depth[leaf]];
    }
    return counts;
}

unsigned reversed(unsigned code, unsigned length)
{
    unsigned result = 0;
    for (unsigned bit = 0; bit < length; ++bit, code >>= 1)
        result = (result << 1) | (code & 1);
    return result;
}

} // namespace

HuffmanCode::HuffmanCode(std::span<const std::uint32_t> frequencies, unsigned maximumLength)
    : m_lengths(frequencies.size(), 0)
    , m_codes(frequencies.size(), 0)
{
    std::vector<Leaf> leaves;
    for (unsigned symbol = 0; symbol < frequencies.size(); ++symbol)
        if (frequencies[symbol])
            leaves.push_back({ frequencies[symbol], symbol });
    for (unsigned symbol = 0; leaves.size() < 2; ++symbol)
        if (!frequencies[symbol])
            leaves.push_back({ 0, symbol });
    std::stable_sort(
        leaves.begin(), leaves.end(), [](const Leaf& a, const Leaf& b) { return a.frequency < b.frequency; });

    auto counts = depthCounts(leaves);
    counts.resize(std::max<size_t>(counts.size(), maximumLength + 1), 0);
    for (size_t depth = maximumLength + 1; depth < counts.size(); ++depth)
        counts[maximumLength] += counts[depth];
    counts.resize(maximumLength + 1);
    // Folding deep leaves up to the limit overfills the code space: each step takes a leaf off the
    // deepest level and splits a shallower leaf into two, giving back one slot at the deepest level.
    std::uint64_t filled = 0;
    for (unsigned depth = 1; depth <= maximumLength; ++depth)
        filled += std::uint64_t(counts[depth]) << (maximumLength - depth);
    for (; filled > (std::uint64_t(1) << maximumLength); --filled) {
        --counts[maximumLength];
        for (unsigned depth = maximumLength - 1; depth > 0; --depth)
            if (counts[depth]) {
                --counts[depth];
                counts[depth + 1] += 2;
                break;
            }
    }
    // The rarest symbols take the longest codes.
    auto leaf = leaves.begin();
    for (unsigned depth = maximumLength; depth > 0; --depth)
        for (unsigned n = 0; n < counts[depth]; ++n)
            m_lengths[(leaf++)->symbol] = static_cast<std::uint8_t>(depth);

    std::vector<unsigned> next(maximumLength + 2, 0);
    for (unsigned depth = 1; depth <= maximumLength; ++depth)
        next[depth + 1] = (next[depth] + counts[depth]) << 1;
    for (unsigned symbol = 0; symbol < m_lengths.size(); ++symbol)
        if (unsigned length = m_lengths[symbol])
            m_codes[symbol] = reversed(next[length]++, length);
}

unsigned HuffmanCode::usedSize() const
{
    unsigned size = static_cast<unsigned>(m_lengths.size());
    while (size > 0 && !m_lengths[size - 1])
        --size;
    return size;
}
