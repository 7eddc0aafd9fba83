#pragma once

#include "objc/NSObject.h"

#include <cstddef>
#include <map>
#include <memory>
#include <string>
#include <string_view>

// An immutable map from text keys to objects: the shape of a property list's dictionaries.
class NSDictionary : public NSObject {
    OBJC_CLASS(NSDictionary, NSObject)
public:
    using Entries = std::map<std::string, std::shared_ptr<NSObject>, std::less<>>;

    NSDictionary() = default;
    explicit NSDictionary(Entries entries)
        : m_entries(std::move(entries))
    { }

    // The property list in the file when its root is a dictionary; nothing when the file is
    // missing, outside the device, malformed, or too large or deep to read safely.
    static std::shared_ptr<NSDictionary> dictionaryWithContentsOfFile(std::string_view path);

    std::size_t count() const { return m_entries.size(); }
    // Nothing when the key is absent.
    std::shared_ptr<NSObject> objectForKey(std::string_view key) const;
    const Entries& entries() const { return m_entries; }

    // Writes the dictionary as an XML property list.
    bool writeToFile(std::string_view path, bool atomically) const;

private:
    Entries m_entries;
};
