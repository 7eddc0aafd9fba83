#include "foundation/NSDictionary.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "foundation/NSPropertyListSerialization.h"
#include "foundation/PropertyListBounds.h"

std::shared_ptr<NSDictionary> NSDictionary::dictionaryWithContentsOfFile(std::string_view path)
{
    auto bytes = foundation::DeviceFileSystem::readFile(path, foundation::PropertyListBounds::maximumSize);
    if (!bytes)
        return nullptr;
    return objc::cast<NSDictionary>(
        NSPropertyListSerialization::propertyListWithData(NSData(std::move(*bytes))));
}

std::shared_ptr<NSObject> NSDictionary::objectForKey(std::string_view key) const
{
    auto found = m_entries.find(key);
    return found == m_entries.end() ? nullptr : found->second;
}

bool NSDictionary::writeToFile(std::string_view path, bool atomically) const
{
    auto data = NSPropertyListSerialization::dataWithPropertyList(*this, NSPropertyListXMLFormat_v1_0);
    return data && data->writeToFile(path, atomically);
}
