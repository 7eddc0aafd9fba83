#include "foundation/NSPropertyListSerialization.h"

#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSDate.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/PlistHandle.h"
#include "foundation/PropertyListBounds.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

using foundation::PlistHandle;
using foundation::PlistMemory;
using foundation::PropertyListBounds;

namespace {

// Turns libplist's tree into objects. The bounds were checked before parsing; the exact
// container depth is enforced here too, so both forms agree on what is too deep.
class TreeReader {
public:
    std::shared_ptr<NSObject> read(plist_t root)
    {
        auto object = objectFromNode(root, 0);
        return m_tooDeep ? nullptr : object;
    }

private:
    std::shared_ptr<NSObject> objectFromNode(plist_t node, std::size_t depth)
    {
        if (!node || m_tooDeep)
            return nullptr;
        auto type = plist_get_node_type(node);
        if ((type == PLIST_ARRAY || type == PLIST_DICT) && depth >= PropertyListBounds::maximumDepth) {
            m_tooDeep = true;
            return nullptr;
        }
        switch (type) {
        case PLIST_BOOLEAN: {
            std::uint8_t value = 0;
            plist_get_bool_val(node, &value);
            return NSNumber::numberWithBool(value);
        }
        case PLIST_UINT: {
            // libplist hands every integer back unsigned, negative ones included.
            std::uint64_t value = 0;
            plist_get_uint_val(node, &value);
            return NSNumber::numberWithInteger(static_cast<NSInteger>(static_cast<std::int64_t>(value)));
        }
        case PLIST_REAL: {
            double value = 0;
            plist_get_real_val(node, &value);
            return NSNumber::numberWithDouble(value);
        }
        case PLIST_STRING: {
            std::uint64_t length = 0;
            const char* text = plist_get_string_ptr(node, &length);
            return std::make_shared<NSString>(
                text ? std::string(text, strnlen(text, length)) : std::string());
        }
        case PLIST_DATA: {
            std::uint64_t length = 0;
            const char* bytes = plist_get_data_ptr(node, &length);
            return NSData::dataWithBytes(bytes, bytes ? length : 0);
        }
        case PLIST_DATE: {
            std::int32_t seconds = 0, microseconds = 0;
            plist_get_date_val(node, &seconds, &microseconds);
            return NSDate::dateWithTimeIntervalSinceReferenceDate(seconds + microseconds / 1e6);
        }
        case PLIST_ARRAY:
            return arrayFromNode(node, depth);
        case PLIST_DICT:
            return dictionaryFromNode(node, depth);
        default:
            return nullptr;
        }
    }

    std::shared_ptr<NSObject> arrayFromNode(plist_t node, std::size_t depth)
    {
        NSArray::Objects objects;
        auto size = plist_array_get_size(node);
        objects.reserve(size);
        for (std::uint32_t i = 0; i < size; ++i) {
            if (auto object = objectFromNode(plist_array_get_item(node, i), depth + 1))
                objects.push_back(std::move(object));
        }
        return std::make_shared<NSArray>(std::move(objects));
    }

    std::shared_ptr<NSObject> dictionaryFromNode(plist_t node, std::size_t depth)
    {
        NSDictionary::Entries entries;
        plist_dict_iter iterator = nullptr;
        plist_dict_new_iter(node, &iterator);
        PlistMemory ownedIterator(static_cast<char*>(iterator));
        while (true) {
            char* rawKey = nullptr;
            plist_t value = nullptr;
            plist_dict_next_item(node, iterator, &rawKey, &value);
            PlistMemory key(rawKey);
            if (!value)
                break;
            if (auto object = objectFromNode(value, depth + 1))
                entries.insert_or_assign(key ? std::string(key.get()) : std::string(), std::move(object));
        }
        return std::make_shared<NSDictionary>(std::move(entries));
    }

    bool m_tooDeep { false };
};

PlistHandle nodeFromObject(const NSObject& object, std::size_t depth)
{
    bool isContainer = dynamic_cast<const NSDictionary*>(&object) || dynamic_cast<const NSArray*>(&object);
    if (isContainer && depth >= PropertyListBounds::maximumDepth)
        return nullptr;
    if (auto* dictionary = dynamic_cast<const NSDictionary*>(&object)) {
        PlistHandle node(plist_new_dict());
        for (const auto& [key, value] : dictionary->entries()) {
            auto child = value ? nodeFromObject(*value, depth + 1) : nullptr;
            if (!child)
                return nullptr;
            plist_dict_set_item(node.get(), key.c_str(), child.release());
        }
        return node;
    }
    if (auto* array = dynamic_cast<const NSArray*>(&object)) {
        PlistHandle node(plist_new_array());
        for (const auto& value : *array) {
            auto child = value ? nodeFromObject(*value, depth + 1) : nullptr;
            if (!child)
                return nullptr;
            plist_array_append_item(node.get(), child.release());
        }
        return node;
    }
    if (auto* string = dynamic_cast<const NSString*>(&object))
        return PlistHandle(plist_new_string(string->UTF8String().c_str()));
    if (auto* number = dynamic_cast<const NSNumber*>(&object)) {
        switch (number->kind()) {
        case NSNumber::Kind::Boolean:
            return PlistHandle(plist_new_bool(number->boolValue()));
        case NSNumber::Kind::Integer:
            return PlistHandle(plist_new_uint(static_cast<std::uint64_t>(number->integerValue())));
        case NSNumber::Kind::Real:
            return PlistHandle(plist_new_real(number->doubleValue()));
        }
    }
    if (auto* data = dynamic_cast<const NSData*>(&object))
        return PlistHandle(
            plist_new_data(reinterpret_cast<const char*>(data->bytes().data()), data->length()));
    if (auto* date = dynamic_cast<const NSDate*>(&object)) {
        double seconds = std::floor(date->timeIntervalSinceReferenceDate());
        double microseconds = std::round((date->timeIntervalSinceReferenceDate() - seconds) * 1e6);
        if (!(std::abs(seconds) < INT32_MAX))
            return nullptr;
        return PlistHandle(
            plist_new_date(static_cast<std::int32_t>(seconds), static_cast<std::int32_t>(microseconds)));
    }
    return nullptr;
}

} // namespace

std::shared_ptr<NSObject> NSPropertyListSerialization::propertyListWithData(
    const NSData& data, NSPropertyListFormat* format)
{
    const auto& bytes = data.bytes();
    auto* text = reinterpret_cast<const char*>(bytes.data());
    auto length = static_cast<std::uint32_t>(bytes.size());
    plist_t root = nullptr;
    bool binary = PropertyListBounds::isBinary(bytes);
    if (binary) {
        if (!PropertyListBounds::allowsBinary(bytes))
            return nullptr;
        plist_from_bin(text, length, &root);
    } else {
        if (bytes.empty() || !PropertyListBounds::allowsXML(bytes))
            return nullptr;
        plist_from_xml(text, length, &root);
    }
    PlistHandle owned(root);
    auto object = TreeReader().read(owned.get());
    if (object && format)
        *format = binary ? NSPropertyListBinaryFormat_v1_0 : NSPropertyListXMLFormat_v1_0;
    return object;
}

std::shared_ptr<NSData> NSPropertyListSerialization::dataWithPropertyList(
    const NSObject& propertyList, NSPropertyListFormat format)
{
    auto root = nodeFromObject(propertyList, 0);
    if (!root)
        return nullptr;
    char* raw = nullptr;
    std::uint32_t length = 0;
    if (format == NSPropertyListBinaryFormat_v1_0)
        plist_to_bin(root.get(), &raw, &length);
    else
        plist_to_xml(root.get(), &raw, &length);
    PlistMemory output(raw);
    return output ? NSData::dataWithBytes(output.get(), length) : nullptr;
}
