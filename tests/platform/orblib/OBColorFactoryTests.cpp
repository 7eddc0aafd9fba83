#include "contracts/OBColorFactory.h"
#include "objc/ClassRef.h"
#include "orblib/OrbLib.h"

#include <gtest/gtest.h>

TEST(OBColorFactory, MakesColoursFromNumberSignAndSixHexDigitsAndWhiteFromAnythingElse)
{
    objc::Runtime::beginProcess();
    orblib::registerClasses();
    static objc::ClassRef factoryClass { "OBColorFactory" };
    const std::pair<const char*, const char*> cases[] = {
        { "#ffffff", "#ffffffff" },
        { "#000000", "#000000ff" },
        { "#FF8000", "#ff8000ff" },
        { "#12aB9c", "#12ab9cff" },
        { "", "#ffffffff" },
        { "#fff", "#ffffffff" },
        { "000000", "#ffffffff" },
        { "#0000000", "#ffffffff" },
        { "#00000g", "#ffffffff" },
        { " #000000", "#ffffffff" },
        { "#-10000", "#ffffffff" },
    };
    for (auto [text, expected] : cases) {
        auto color = contracts::OBColorFactory::colorFromHexString.toClass(factoryClass, text);
        ASSERT_NE(color, nullptr) << text;
        EXPECT_EQ(color->hexString(), expected) << '"' << text << '"';
    }
}
