#include "PreferenceFile.h"

#include "InputError.h"
#include "NumberText.h"

#include "foundation/DeviceFileSystem.h"
#include "foundation/NSData.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSPropertyListSerialization.h"
#include "foundation/NSString.h"
#include "foundation/PropertyListBounds.h"
#include "settings/LMSettings.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

std::shared_ptr<NSObject> PreferenceFile::storedValue(const Tokenizer::Token& value)
{
    auto& text = value.text;
    if (value.quoted)
        return std::make_shared<NSString>(text);
    if (text == "true" || text == "YES" || text == "false" || text == "NO")
        return NSNumber::numberWithBool(text == "true" || text == "YES");
    if (auto number = NumberText::parse(text)) {
        bool whole = text.find_first_of(".eE") == std::string::npos;
        // 2^63 is exactly a double; anything from it up does not fit a whole-number preference.
        if (whole && (*number >= 0x1p63 || *number < -0x1p63))
            throw InputError("the whole number " + text.substr(0, 40)
                + " is too large for a preference (from -9223372036854775808 to 9223372036854775807)");
        return whole ? NSNumber::numberWithInteger(static_cast<NSInteger>(*number))
                     : NSNumber::numberWithDouble(*number);
    }
    return std::make_shared<NSString>(text);
}

bool PreferenceFile::isKnownKey(std::string_view key)
{
    auto& keys = LMSettings::keys();
    return std::any_of(keys.begin(), keys.end(), [key](auto& setting) { return setting.key() == key; });
}

std::vector<std::uint8_t> PreferenceFile::readHostFile(const std::filesystem::path& path)
{
    std::error_code error;
    std::ifstream file(path, std::ios::binary);
    if (!std::filesystem::is_regular_file(path, error) || !file)
        throw InputError(path.string() + ": cannot read the preference file");
    auto size = std::filesystem::file_size(path, error);
    if (!error && size > foundation::PropertyListBounds::maximumSize)
        throw InputError(path.string() + ": a preference file of " + std::to_string(size)
            + " bytes (at most " + std::to_string(foundation::PropertyListBounds::maximumSize) + ")");
    std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(file),
        std::istreambuf_iterator<char>() };
    NSData data(bytes);
    if (!objc::cast<NSDictionary>(NSPropertyListSerialization::propertyListWithData(data)))
        throw InputError(path.string()
            + ": not a preference file (expected an XML or binary property list with a dictionary at its "
              "root)");
    return bytes;
}

void PreferenceFile::install(std::span<const std::uint8_t> bytes)
{
    auto hostPath = foundation::DeviceFileSystem::resolve(devicePath);
    std::error_code error;
    if (hostPath)
        std::filesystem::create_directories(hostPath->parent_path(), error);
    if (!hostPath || error || !foundation::DeviceFileSystem::writeFile(devicePath, bytes, true))
        throw std::runtime_error("cannot write the preference file " + std::string(devicePath)
            + " under the device root " + foundation::DeviceFileSystem::root().string());
}

void PreferenceFile::set(const std::string& key, const Tokenizer::Token& value)
{
    NSDictionary::Entries entries;
    if (auto current = NSDictionary::dictionaryWithContentsOfFile(devicePath))
        entries = current->entries();
    entries[key] = storedValue(value);
    auto data = NSPropertyListSerialization::dataWithPropertyList(
        NSDictionary(std::move(entries)), NSPropertyListBinaryFormat_v1_0);
    install(data->bytes());
}
