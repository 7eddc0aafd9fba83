#include "foundation/NSData.h"

#include "foundation/DeviceFileSystem.h"

std::shared_ptr<NSData> NSData::dataWithBytes(const void* bytes, std::size_t length)
{
    auto* first = static_cast<const std::uint8_t*>(bytes);
    return std::make_shared<NSData>(std::vector<std::uint8_t>(first, first + length));
}

std::shared_ptr<NSData> NSData::dataWithContentsOfFile(std::string_view path)
{
    auto bytes = foundation::DeviceFileSystem::readFile(path);
    return bytes ? std::make_shared<NSData>(std::move(*bytes)) : nullptr;
}

bool NSData::writeToFile(std::string_view path, bool atomically) const
{
    return foundation::DeviceFileSystem::writeFile(path, m_bytes, atomically);
}
