#pragma once

#include "Tokenizer.h"

#include "contracts/PreferenceFilePath.h"
#include "objc/NSObject.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The user's preference file on the device's disk, as the Settings app keeps it.
class PreferenceFile {
public:
    static constexpr std::string_view devicePath = contracts::preferenceFilePath;

    // One of the keys the Settings app writes.
    static bool isKnownKey(std::string_view);

    // A preference file of this machine, given to install: throws InputError naming it unless
    // it is an XML or binary property list with a dictionary at its root.
    static std::vector<std::uint8_t> readHostFile(const std::filesystem::path&);
    // Puts the file on the device, replacing what is there.
    static void install(std::span<const std::uint8_t>);
    // The value as set stores it; throws InputError when it cannot be stored.
    static std::shared_ptr<NSObject> storedValue(const Tokenizer::Token&);
    // Stores one value and keeps the others, in a binary property list: a word in double quotes
    // as text; true, false, YES or NO as a switch; a number as a number; any other word as text.
    static void set(const std::string& key, const Tokenizer::Token& value);
};
