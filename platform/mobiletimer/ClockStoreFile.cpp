#include "mobiletimer/ClockStoreFile.h"

#include "foundation/NSFileManager.h"

#include <string>

namespace mobiletimer {

NSDictionary::Entries ClockStoreFile::read()
{
    auto stored = NSDictionary::dictionaryWithContentsOfFile(path);
    return stored ? stored->entries() : NSDictionary::Entries {};
}

bool ClockStoreFile::write(const NSDictionary::Entries& changes)
{
    auto entries = read();
    for (auto& [key, value] : changes)
        entries[key] = value;
    std::string folder(path.substr(0, path.rfind('/')));
    NSFileManager::defaultManager()->createDirectoryAtPath(folder, true);
    return NSDictionary(std::move(entries)).writeToFile(path, true);
}

} // namespace mobiletimer
