#include "support/BinaryPlistBuilder.h"

namespace {

void appendBigEndian(std::string& out, std::uint64_t value, int width)
{
    for (int shift = (width - 1) * 8; shift >= 0; shift -= 8)
        out += static_cast<char>((value >> shift) & 0xFF);
}

std::string marker(std::uint8_t type, std::size_t count)
{
    std::string out;
    if (count < 15) {
        out += static_cast<char>(type << 4 | count);
        return out;
    }
    out += static_cast<char>(type << 4 | 0x0F);
    out += static_cast<char>(0x12);
    appendBigEndian(out, count, 4);
    return out;
}

} // namespace

BinaryPlistBuilder::Ref BinaryPlistBuilder::add(std::string encoded)
{
    m_objects.push_back(std::move(encoded));
    return static_cast<Ref>(m_objects.size() - 1);
}

BinaryPlistBuilder::Ref BinaryPlistBuilder::addArray(const std::vector<Ref>& items)
{
    auto out = marker(0xA, items.size());
    for (auto item : items)
        appendBigEndian(out, item, 4);
    return add(std::move(out));
}

BinaryPlistBuilder::Ref BinaryPlistBuilder::addDictionary(
    const std::vector<Ref>& keys, const std::vector<Ref>& values)
{
    auto out = marker(0xD, keys.size());
    for (auto key : keys)
        appendBigEndian(out, key, 4);
    for (auto value : values)
        appendBigEndian(out, value, 4);
    return add(std::move(out));
}

BinaryPlistBuilder::Ref BinaryPlistBuilder::addString(std::string_view ascii)
{
    return add(marker(0x5, ascii.size()) + std::string(ascii));
}

BinaryPlistBuilder::Ref BinaryPlistBuilder::addInteger(std::int64_t value)
{
    std::string out(1, static_cast<char>(0x13));
    appendBigEndian(out, static_cast<std::uint64_t>(value), 8);
    return add(std::move(out));
}

BinaryPlistBuilder::Ref BinaryPlistBuilder::addBool(bool value)
{
    return add(std::string(1, static_cast<char>(value ? 0x09 : 0x08)));
}

std::string BinaryPlistBuilder::build(Ref top) const
{
    std::string out = "bplist00";
    std::vector<std::uint64_t> offsets;
    for (const auto& object : m_objects) {
        offsets.push_back(out.size());
        out += object;
    }
    auto offsetTable = out.size();
    for (auto offset : offsets)
        appendBigEndian(out, offset, 4);
    out.append(6, '\0');
    out += static_cast<char>(4);
    out += static_cast<char>(4);
    appendBigEndian(out, m_objects.size(), 8);
    appendBigEndian(out, top, 8);
    appendBigEndian(out, offsetTable, 8);
    return out;
}

std::string nestedArraysBinary(std::size_t depth)
{
    BinaryPlistBuilder builder;
    for (std::size_t level = 0; level + 1 < depth; ++level)
        builder.addArray({ builder.nextRef() + 1 });
    builder.addArray({});
    return builder.build(0);
}

std::string nestedArraysXML(std::size_t depth)
{
    std::string out = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\">\n";
    for (std::size_t level = 0; level < depth; ++level)
        out += "<array>";
    for (std::size_t level = 0; level < depth; ++level)
        out += "</array>";
    return out + "\n</plist>\n";
}
