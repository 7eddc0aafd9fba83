#pragma once

#include "objc/NSObject.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// Immutable bytes.
class NSData : public NSObject {
    OBJC_CLASS(NSData, NSObject)
public:
    NSData() = default;
    explicit NSData(std::vector<std::uint8_t> bytes)
        : m_bytes(std::move(bytes))
    { }

    static std::shared_ptr<NSData> dataWithBytes(const void* bytes, std::size_t length);
    // The file's bytes, or nothing when it is missing or outside the device.
    static std::shared_ptr<NSData> dataWithContentsOfFile(std::string_view path);

    const std::vector<std::uint8_t>& bytes() const { return m_bytes; }
    std::size_t length() const { return m_bytes.size(); }

    // Atomically: through a temporary file renamed into place, so a reader never sees half a file.
    bool writeToFile(std::string_view path, bool atomically) const;

private:
    std::vector<std::uint8_t> m_bytes;
};
