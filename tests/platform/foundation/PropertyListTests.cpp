#include "foundation/NSArray.h"
#include "foundation/NSData.h"
#include "foundation/NSDate.h"
#include "foundation/NSDictionary.h"
#include "foundation/NSNumber.h"
#include "foundation/NSPropertyListSerialization.h"
#include "foundation/NSString.h"
#include "foundation/PropertyListBounds.h"
#include "support/BinaryPlistBuilder.h"
#include "support/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <sstream>

using foundation::PropertyListBounds;

namespace {

NSData dataOf(std::string_view text)
{
    return NSData(std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::shared_ptr<NSObject> read(std::string_view text, NSPropertyListFormat* format = nullptr)
{
    return NSPropertyListSerialization::propertyListWithData(dataOf(text), format);
}

// A text form of a tree that tells every kind apart: {key=value;} (item,) "text" 1 1.5 true <hex> @date.
std::string describe(const std::shared_ptr<NSObject>& object)
{
    std::ostringstream out;
    if (!object) {
        out << "nothing";
    } else if (auto dictionary = objc::cast<NSDictionary>(object)) {
        out << '{';
        for (const auto& [key, value] : dictionary->entries())
            out << key << '=' << describe(value) << ';';
        out << '}';
    } else if (auto array = objc::cast<NSArray>(object)) {
        out << '(';
        for (const auto& item : *array)
            out << describe(item) << ',';
        out << ')';
    } else if (auto string = objc::cast<NSString>(object)) {
        out << '"' << string->UTF8String() << '"';
    } else if (auto number = objc::cast<NSNumber>(object)) {
        if (number->kind() == NSNumber::Kind::Boolean)
            out << (number->boolValue() ? "true" : "false");
        else if (number->kind() == NSNumber::Kind::Integer)
            out << number->integerValue();
        else
            out << number->doubleValue() << 'r';
    } else if (auto data = objc::cast<NSData>(object)) {
        out << '<';
        for (auto byte : data->bytes())
            out << std::hex << int(byte) << std::dec;
        out << '>';
    } else if (auto date = objc::cast<NSDate>(object)) {
        out << '@' << date->timeIntervalSinceReferenceDate();
    } else {
        out << object->className();
    }
    return out.str();
}

const char* const samplePreferences = R"(<?xml version="1.0" encoding="UTF-8"?>
<!DOCTYPE plist PUBLIC "-//Apple//DTD PLIST 1.0//EN" "http://www.apple.com/DTDs/PropertyList-1.0.dtd">
<plist version="1.0">
<!-- written by hand -->
<dict>
    <key>enabled</key><string>NO</string>
    <key>kalendoMaxEvents</key><integer>-5</integer>
    <key>idleTimerDuration</key><real>0.5</real>
    <key>blurEnabled</key><true/>
    <key>icon</key><data>AQL/</data>
    <key>when</key><date>2001-01-02T00:00:00Z</date>
    <key>apps</key><array><string>com.a</string><string><![CDATA[<b&c>]]></string></array>
    <key>empty</key><array/>
    <key>nested</key><dict><key>big</key><integer>5000000000</integer></dict>
</dict>
</plist>
)";

const char* const sampleDescription = "{apps=(\"com.a\",\"<b&c>\",);blurEnabled=true;empty=();enabled=\"NO\";"
                                      "icon=<12ff>;idleTimerDuration=0.5r;kalendoMaxEvents=-5;"
                                      "nested={big=5000000000;};when=@86400;}";

} // namespace

TEST(PropertyList, ReadsEveryKindFromXML)
{
    NSPropertyListFormat format {};
    EXPECT_EQ(describe(read(samplePreferences, &format)), sampleDescription);
    EXPECT_EQ(format, NSPropertyListXMLFormat_v1_0);
}

TEST(PropertyList, WritesAndReadsBackBothForms)
{
    auto tree = read(samplePreferences);
    ASSERT_NE(tree, nullptr);
    for (auto format : { NSPropertyListXMLFormat_v1_0, NSPropertyListBinaryFormat_v1_0 }) {
        auto data = NSPropertyListSerialization::dataWithPropertyList(*tree, format);
        ASSERT_NE(data, nullptr);
        EXPECT_EQ(PropertyListBounds::isBinary(data->bytes()), format == NSPropertyListBinaryFormat_v1_0);
        NSPropertyListFormat readFormat {};
        EXPECT_EQ(describe(NSPropertyListSerialization::propertyListWithData(*data, &readFormat)),
            sampleDescription);
        EXPECT_EQ(readFormat, format);
    }
}

TEST(PropertyList, ReadsNegativeIntegersFromABinaryFile)
{
    BinaryPlistBuilder builder;
    auto key = builder.addString("kalendoMaxEvents");
    auto value = builder.addInteger(-5);
    auto root = builder.addDictionary({ key }, { value });
    EXPECT_EQ(describe(read(builder.build(root))), "{kalendoMaxEvents=-5;}");
}

TEST(PropertyList, DictionariesPersistThroughTheDevice)
{
    TemporaryDeviceRoot device;
    auto tree = objc::cast<NSDictionary>(read(samplePreferences));
    ASSERT_NE(tree, nullptr);
    EXPECT_TRUE(tree->writeToFile("/prefs.plist", true));
    EXPECT_EQ(describe(NSDictionary::dictionaryWithContentsOfFile("/prefs.plist")), sampleDescription);
    EXPECT_EQ(NSDictionary::dictionaryWithContentsOfFile("/missing.plist"), nullptr);
    device.write("/array.plist", "<plist><array><string>a</string></array></plist>");
    EXPECT_EQ(NSDictionary::dictionaryWithContentsOfFile("/array.plist"), nullptr)
        << "the root must be a dictionary";
}

TEST(PropertyList, MalformedDataReadsAsNothing)
{
    auto valid = NSPropertyListSerialization::dataWithPropertyList(
        *read(samplePreferences), NSPropertyListBinaryFormat_v1_0);
    std::string binary(valid->bytes().begin(), valid->bytes().end());
    std::string badTrailer = binary;
    badTrailer[badTrailer.size() - 1] = '\x7f';
    const std::string inputs[] = {
        "",
        "garbage",
        "<plist><dict><key>a</key>",
        "<plist><dict></array></plist>",
        "<plist><dict><!-- unterminated </dict></plist>",
        "<plist><string>unterminated",
        "bplist00",
        binary.substr(0, binary.size() - 1),
        binary.substr(0, binary.size() / 2),
        badTrailer,
        std::string("bplist00\xA1\x00\x00\x00\x00", 13),
    };
    for (const auto& input : inputs)
        EXPECT_EQ(read(input), nullptr) << describe(read(input)) << " from " << input.size() << " bytes";
}

TEST(PropertyList, NestingBeyondTheBoundReadsAsNothingWithoutCrashing)
{
    EXPECT_NE(read(nestedArraysBinary(PropertyListBounds::maximumDepth)), nullptr);
    EXPECT_NE(read(nestedArraysXML(PropertyListBounds::maximumDepth)), nullptr);
    for (std::size_t depth : { PropertyListBounds::maximumDepth + 1, std::size_t { 100000 } }) {
        EXPECT_EQ(read(nestedArraysBinary(depth)), nullptr) << depth;
        EXPECT_EQ(read(nestedArraysXML(depth)), nullptr) << depth;
    }
    auto crafted = nestedArraysBinary(100000);
    EXPECT_GT(crafted.size(), 600'000u);
    EXPECT_LT(crafted.size(), PropertyListBounds::maximumSize);
}

TEST(PropertyList, XMLNestingCountsWhatAParserWouldSee)
{
    auto deep = [](std::string_view open, std::string_view close) {
        std::string out = "<plist>";
        for (int i = 0; i < 200; ++i)
            out += open;
        for (int i = 0; i < 200; ++i)
            out += close;
        return out + "</plist>";
    };
    EXPECT_EQ(read(deep("<array attr=\"/>\">", "</array>")), nullptr);
    EXPECT_EQ(read(deep("<array >", "</array >")), nullptr);
    EXPECT_NE(read(deep("<array/><!-- <array> -->", "")), nullptr);
    EXPECT_NE(read(deep("<array><string><![CDATA[<array>]]></string></array>", "")), nullptr);
}

TEST(PropertyList, TextHoldingANullCharacterMakesTheFileUnreadable)
{
    BinaryPlistBuilder builder;
    auto root = builder.addArray({ builder.nextRef() + 1 });
    builder.addString(std::string_view("a\0b", 3));
    EXPECT_EQ(read(builder.build(root)), nullptr);
    const std::string xmlInputs[] = {
        std::string("<plist><string>a\0b</string></plist>", 35),
        "<plist><string>a&#0;b</string></plist>",
        "<plist><dict><key>a&#x00;</key><true/></dict></plist>",
        "<plist><string>&#x110000;</string></plist>",
    };
    for (const auto& input : xmlInputs)
        EXPECT_EQ(read(input), nullptr) << input;
    EXPECT_EQ(describe(read("<plist><string>a&#x41;&#66;</string></plist>")), "\"aAB\"");
}

TEST(PropertyList, SharedAndCyclicReferencesInBinaryFilesAreBounded)
{
    BinaryPlistBuilder doubling;
    for (int level = 0; level < 64; ++level) {
        auto next = doubling.nextRef() + 1;
        doubling.addArray({ next, next });
    }
    doubling.addString("leaf");
    EXPECT_EQ(read(doubling.build(0)), nullptr) << "2^64 copies of one leaf";

    BinaryPlistBuilder shared;
    auto leaf = shared.addString("leaf");
    auto root = shared.addArray({ leaf, leaf, leaf });
    EXPECT_EQ(describe(read(shared.build(root))), "(\"leaf\",\"leaf\",\"leaf\",)");

    BinaryPlistBuilder cycle;
    auto self = cycle.nextRef();
    cycle.addArray({ self });
    EXPECT_EQ(read(cycle.build(self)), nullptr);

    BinaryPlistBuilder dangling;
    EXPECT_EQ(read(dangling.build(dangling.addArray({ 7 }))), nullptr);
}

TEST(PropertyList, FilesLargerThanTheBoundAreNotRead)
{
    std::string big
        = "<plist><string>" + std::string(PropertyListBounds::maximumSize, 'a') + "</string></plist>";
    EXPECT_EQ(read(big), nullptr);
    std::string fits
        = "<plist><string>" + std::string(PropertyListBounds::maximumSize / 2, 'a') + "</string></plist>";
    EXPECT_NE(read(fits), nullptr);
}

TEST(PropertyList, WritingRefusesObjectsThatAreNoPropertyList)
{
    NSArray withForeignObject({ std::make_shared<NSString>("ok"), std::make_shared<NSObject>() });
    EXPECT_EQ(
        NSPropertyListSerialization::dataWithPropertyList(withForeignObject, NSPropertyListXMLFormat_v1_0),
        nullptr);
    std::shared_ptr<NSObject> deep = std::make_shared<NSArray>();
    for (std::size_t i = 1; i < PropertyListBounds::maximumDepth; ++i)
        deep = std::make_shared<NSArray>(NSArray::Objects { deep });
    EXPECT_NE(
        NSPropertyListSerialization::dataWithPropertyList(*deep, NSPropertyListBinaryFormat_v1_0), nullptr);
    deep = std::make_shared<NSArray>(NSArray::Objects { deep });
    EXPECT_EQ(
        NSPropertyListSerialization::dataWithPropertyList(*deep, NSPropertyListBinaryFormat_v1_0), nullptr);
}
