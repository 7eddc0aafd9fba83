#include "mobiletimer/ClockStoreFile.h"

#include "foundation/NSFileManager.h"

#include <atomic>
#include <iostream>
#include <string>

namespace mobiletimer {

NSDictionary::Entries ClockStoreFile::read()
{
    auto stored = NSDictionary::dictionaryWithContentsOfFile(path);
    if (stored)
        return stored->entries();
    // Writes are atomic, so a damaged file came from elsewhere; the Clock starts empty, and says
    // so once rather than at every read.
    static std::atomic<bool> reported { false };
    if (NSFileManager::defaultManager()->fileExistsAtPath(path) && !reported.exchange(true))
        std::cerr << "mobiletimer: " << path << " is not a property list of a dictionary; the Clock "
                  << "starts without its stored alarms and timer\n";
    return {};
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
