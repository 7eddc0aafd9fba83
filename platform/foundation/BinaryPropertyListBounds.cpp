#include "foundation/PropertyListBounds.h"

#include <algorithm>
#include <optional>
#include <vector>

// The structure of a "bplist00" file: objects, then a table of their offsets, then a 32-byte
// trailer giving the table's place and the width of offsets and of object references.
// Containers refer to other objects by their index in the table.

namespace foundation {
namespace {

constexpr std::size_t headerSize = 8;
constexpr std::size_t trailerSize = 32;
constexpr std::uint8_t unvisited = 0xFF;
constexpr std::uint8_t inProgress = 0xFE;
static_assert(PropertyListBounds::maximumDepth < inProgress);

std::uint64_t readBigEndian(std::span<const std::uint8_t> bytes, std::uint64_t offset, std::size_t width)
{
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i)
        value = (value << 8) | bytes[offset + i];
    return value;
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b)
{
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

struct Object {
    bool isContainer { false };
    std::uint64_t weight { 0 };
    std::uint64_t references { 0 };
    std::uint64_t referencesStart { 0 };
};

class BinaryWalk {
public:
    explicit BinaryWalk(std::span<const std::uint8_t> bytes)
        : m_bytes(bytes)
    { }

    bool allows()
    {
        if (!readTrailer())
            return false;
        m_depth.assign(m_objectCount, unvisited);
        m_weight.assign(m_objectCount, 0);
        return visit(m_topObject);
    }

private:
    bool readTrailer()
    {
        if (m_bytes.size() < headerSize + trailerSize + 1)
            return false;
        auto trailer = m_bytes.size() - trailerSize;
        m_offsetWidth = m_bytes[trailer + 6];
        m_referenceWidth = m_bytes[trailer + 7];
        m_objectCount = readBigEndian(m_bytes, trailer + 8, 8);
        m_topObject = readBigEndian(m_bytes, trailer + 16, 8);
        m_offsetTable = readBigEndian(m_bytes, trailer + 24, 8);
        if (m_offsetWidth < 1 || m_offsetWidth > 8 || m_referenceWidth < 1 || m_referenceWidth > 8)
            return false;
        if (m_offsetTable < headerSize || m_offsetTable > trailer || !m_objectCount
            || m_topObject >= m_objectCount)
            return false;
        return m_objectCount <= (trailer - m_offsetTable) / m_offsetWidth;
    }

    // The object's weight and, for a container, where its references lie; nothing when the
    // object does not fit before the offset table.
    std::optional<Object> describe(std::uint64_t index) const
    {
        auto offset = readBigEndian(m_bytes, m_offsetTable + index * m_offsetWidth, m_offsetWidth);
        if (offset < headerSize || offset >= m_offsetTable)
            return std::nullopt;
        auto marker = m_bytes[offset];
        unsigned type = marker >> 4;
        unsigned info = marker & 0x0F;
        auto position = offset + 1;
        std::uint64_t count = info;
        bool counted = type == 0x4 || type == 0x5 || type == 0x6 || (type >= 0xA && type <= 0xD);
        if (counted && info == 0x0F) {
            if (position >= m_offsetTable || (m_bytes[position] >> 4) != 0x1
                || (m_bytes[position] & 0x0F) > 3)
                return std::nullopt;
            std::size_t width = std::size_t { 1 } << (m_bytes[position] & 0x0F);
            if (m_offsetTable - position - 1 < width)
                return std::nullopt;
            count = readBigEndian(m_bytes, position + 1, width);
            position += 1 + width;
        }
        std::uint64_t unit = 1;
        std::uint64_t units = 0;
        Object object;
        switch (type) {
        case 0x1:
        case 0x2:
            units = std::uint64_t { 1 } << std::min(info, 4u);
            break;
        case 0x3:
            units = 8;
            break;
        case 0x4:
        case 0x5:
            units = count;
            break;
        case 0x6:
            unit = 2;
            units = count;
            break;
        case 0x8:
            units = info + 1;
            break;
        case 0xA:
        case 0xB:
        case 0xC:
        case 0xD:
            unit = m_referenceWidth;
            units = type == 0xD ? count * 2 : count;
            if (type == 0xD && count > UINT64_MAX / 2)
                return std::nullopt;
            object.isContainer = true;
            object.references = units;
            object.referencesStart = position;
            break;
        default:
            break;
        }
        if (units > (m_offsetTable - position) / unit)
            return std::nullopt;
        if ((type == 0x5 || type == 0x6) && holdsNull(position, units, unit))
            return std::nullopt;
        // Text from UTF-16 grows by half again in UTF-8.
        auto payload = object.isContainer ? 0 : units * unit * (type == 0x6 ? 3 : 2) / 2;
        object.weight = PropertyListBounds::nodeWeight + payload;
        return object;
    }

    // libplist aborts on text with a null character in it (it asserts the C length), so such
    // text makes the file unreadable.
    bool holdsNull(std::uint64_t position, std::uint64_t units, std::uint64_t unit) const
    {
        for (std::uint64_t i = 0; i < units; ++i) {
            auto* first = m_bytes.data() + position + i * unit;
            if (std::all_of(first, first + unit, [](std::uint8_t byte) { return byte == 0; }))
                return true;
        }
        return false;
    }

    std::uint64_t reference(const Object& object, std::uint64_t n) const
    {
        return readBigEndian(m_bytes, object.referencesStart + n * m_referenceWidth, m_referenceWidth);
    }

    struct Frame {
        std::uint64_t index;
        Object object;
        std::uint64_t next { 0 };
        std::uint8_t childDepth { 0 };
        std::uint64_t weight;
    };

    bool visit(std::uint64_t top)
    {
        auto object = describe(top);
        if (!object)
            return false;
        std::vector<Frame> stack;
        m_depth[top] = inProgress;
        stack.push_back({ top, *object, 0, 0, object->weight });
        while (!stack.empty()) {
            auto& frame = stack.back();
            if (frame.next == frame.object.references) {
                std::uint8_t depth = frame.object.isContainer ? frame.childDepth + 1 : 0;
                if (depth > PropertyListBounds::maximumDepth)
                    return false;
                m_depth[frame.index] = depth;
                m_weight[frame.index] = frame.weight;
                auto finished = frame.index;
                stack.pop_back();
                if (!stack.empty() && !merge(stack.back(), finished))
                    return false;
                continue;
            }
            auto child = reference(frame.object, frame.next++);
            if (child >= m_objectCount || m_depth[child] == inProgress)
                return false;
            if (m_depth[child] != unvisited) {
                if (!merge(frame, child))
                    return false;
                continue;
            }
            auto described = describe(child);
            if (!described || stack.size() > PropertyListBounds::maximumDepth)
                return false;
            m_depth[child] = inProgress;
            stack.push_back({ child, *described, 0, 0, described->weight });
        }
        return true;
    }

    bool merge(Frame& parent, std::uint64_t child)
    {
        parent.childDepth = std::max(parent.childDepth, m_depth[child]);
        parent.weight = saturatingAdd(parent.weight, m_weight[child]);
        return parent.weight <= PropertyListBounds::maximumExpandedSize;
    }

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_offsetWidth { 0 };
    std::size_t m_referenceWidth { 0 };
    std::uint64_t m_objectCount { 0 };
    std::uint64_t m_topObject { 0 };
    std::uint64_t m_offsetTable { 0 };
    std::vector<std::uint8_t> m_depth;
    std::vector<std::uint32_t> m_weight;
};

} // namespace

bool PropertyListBounds::isBinary(std::span<const std::uint8_t> bytes)
{
    static constexpr std::uint8_t magic[] = { 'b', 'p', 'l', 'i', 's', 't', '0', '0' };
    return bytes.size() >= sizeof magic && std::equal(std::begin(magic), std::end(magic), bytes.begin());
}

bool PropertyListBounds::allowsBinary(std::span<const std::uint8_t> bytes)
{
    return bytes.size() <= maximumSize && isBinary(bytes) && BinaryWalk(bytes).allows();
}

} // namespace foundation
