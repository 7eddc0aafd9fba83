#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Writes "bplist00" files object by object, with four-byte references, so tests can craft
// structures no well-behaved writer makes: deep nesting, shared objects, cycles.
class BinaryPlistBuilder {
public:
    using Ref = std::uint32_t;

    // The index the next object will get, so an object can refer forward (or to itself).
    Ref nextRef() const { return static_cast<Ref>(m_objects.size()); }
    Ref addArray(const std::vector<Ref>& items);
    Ref addDictionary(const std::vector<Ref>& keys, const std::vector<Ref>& values);
    Ref addString(std::string_view ascii);
    Ref addInteger(std::int64_t);
    Ref addBool(bool);

    std::string build(Ref top) const;

private:
    Ref add(std::string encoded);
    std::vector<std::string> m_objects;
};

// Arrays inside one another, `depth` of them, as a binary and as an XML property list.
std::string nestedArraysBinary(std::size_t depth);
std::string nestedArraysXML(std::size_t depth);
