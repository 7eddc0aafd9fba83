#include "preferences/PreferencePlist.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSPropertyListSerialization.h"

#include <filesystem>

namespace preferences {

std::shared_ptr<NSObject> PreferencePlist::value(std::string_view path, std::string_view key)
{
    auto dictionary = NSDictionary::dictionaryWithContentsOfFile(path);
    return dictionary ? dictionary->objectForKey(key) : nullptr;
}

bool PreferencePlist::setValue(std::string_view path, const std::string& key, std::shared_ptr<NSObject> value)
{
    NSDictionary::Entries entries;
    if (auto current = NSDictionary::dictionaryWithContentsOfFile(path))
        entries = current->entries();
    if (value)
        entries[key] = std::move(value);
    else
        entries.erase(key);
    auto data = NSPropertyListSerialization::dataWithPropertyList(
        NSDictionary(std::move(entries)), NSPropertyListBinaryFormat_v1_0);
    auto hostPath = foundation::DeviceFileSystem::resolve(path);
    if (!data || !hostPath)
        return false;
    std::error_code error;
    std::filesystem::create_directories(hostPath->parent_path(), error);
    return !error && foundation::DeviceFileSystem::writeFile(path, data->bytes(), true);
}

} // namespace preferences
