// Not yet tested here: running the commands (the scripts under scripts/ do, through the program).
#include "Duration.h"
#include "InputError.h"
#include "Script.h"
#include "Target.h"
#include "Tokenizer.h"

#include <gtest/gtest.h>

TEST(ScriptDuration, ReadsANumberAndAUnit)
{
    const std::pair<const char*, std::optional<double>> cases[] = {
        { "500ms", 0.5 },
        { "30s", 30 },
        { "1.5m", 90 },
        { "2h", 7200 },
        { "0s", 0 },
        { "30", std::nullopt },
        { "s", std::nullopt },
        { "-1s", std::nullopt },
        { "3 s", std::nullopt },
        { "2d", std::nullopt },
    };
    for (auto& [text, seconds] : cases)
        EXPECT_EQ(Duration::parse(text), seconds) << text;
}

TEST(ScriptTarget, IsAPointOrAPathOfNames)
{
    auto point = Target::parse("120.5,340");
    ASSERT_TRUE(point && point->point());
    EXPECT_EQ(point->point()->x, 120.5);
    EXPECT_EQ(point->point()->y, 340);

    auto path = Target::parse("LMView/_timeContainerView/UILabel");
    ASSERT_TRUE(path);
    EXPECT_EQ(path->path(), (std::vector<std::string> { "LMView", "_timeContainerView", "UILabel" }));
    EXPECT_FALSE(path->point());

    for (auto bad : { "", "a//b", "/a", "a/", "1,x", "1,2,3" })
        EXPECT_FALSE(Target::parse(bad)) << bad;
}

TEST(ScriptTokenizer, KeepsQuotedTextsWhole)
{
    auto tokens = Tokenizer::split("alert press  \"Slide \\\"to\\\" unlock\"\t\"a\\\\b\\nc\" x");
    ASSERT_EQ(tokens.size(), 5u);
    EXPECT_EQ(tokens[2].text, "Slide \"to\" unlock");
    EXPECT_TRUE(tokens[2].quoted);
    EXPECT_EQ(tokens[3].text, "a\\b\nc");
    EXPECT_FALSE(tokens[4].quoted);
    EXPECT_THROW(Tokenizer::split("tap \"open"), InputError);
}

TEST(Script, SkipsBlankAndCommentLinesAndNamesEachCommandsLine)
{
    auto commands
        = Script::parse("# a call\n\n  advance 500ms\r\nlong-press _timeContainerView 2s\nsearch open 8\n"
                        "set weatherColor \"#ff0000\"\nexpect _batteryPercentLabel.text == \"64%\"\n",
            "call.lumora");
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0].where, "call.lumora:3");
    EXPECT_EQ(commands[0].duration, 0.5);
    EXPECT_EQ(commands[1].verb, "long-press");
    EXPECT_EQ(commands[1].target->text(), "_timeContainerView");
    EXPECT_EQ(commands[1].duration, 2);
    EXPECT_EQ(commands[2].verb, "search open");
    EXPECT_EQ(commands[2].number, 8);
    EXPECT_EQ(commands[3].name, "weatherColor");
    EXPECT_TRUE(commands[3].value.quoted);
    EXPECT_EQ(commands[4].where, "call.lumora:7");
    EXPECT_EQ(commands[4].expectation->property().name(), "text");
}

TEST(Script, ReadsOptionalArgumentsAndChoices)
{
    auto commands = Script::parse("long-press 10,20\nbattery 20%\nbattery 0.5 -0.25\nswipe up LMView\n"
                                  "dump tree.json LMView\ndump all.json\nprint LMView.frame\nprint LMView\n"
                                  "drag LMView 10,20.5 2s\n",
        "s");
    EXPECT_FALSE(commands[0].duration);
    EXPECT_EQ(commands[1].number, 0.2);
    EXPECT_FALSE(commands[1].rate);
    EXPECT_EQ(commands[2].rate, -0.25);
    EXPECT_EQ(commands[3].choice, "up");
    EXPECT_EQ(commands[4].target->text(), "LMView");
    EXPECT_FALSE(commands[5].target);
    EXPECT_EQ(commands[6].probe->property()->name(), "frame");
    EXPECT_FALSE(commands[7].probe->property());
    EXPECT_EQ(commands[8].point->y, 20.5);
    EXPECT_EQ(commands[8].duration, 2);
}

TEST(Script, ReadsTheMediaPlayersControlsAndTheChosenApps)
{
    auto commands = Script::parse(
        "music next\nvolume 25%\napps com.apple.Music \"com.example.two words\" x\napps\n", "s");
    EXPECT_EQ(commands[0].choice, "next");
    EXPECT_EQ(commands[1].number, 0.25);
    EXPECT_EQ(commands[2].identifiers,
        (std::vector<std::string> { "com.apple.Music", "com.example.two words", "x" }));
    EXPECT_TRUE(commands[3].identifiers.empty()) << "a choice of no apps";
}

TEST(Script, RejectsALineNamingItAndWhatWasExpected)
{
    const std::pair<const char*, const char*> cases[] = {
        { "tapp LMView", "s:2: unknown verb 'tapp'" },
        { "advance", "s:2: missing DURATION (expected advance DURATION)" },
        { "advance soon", "expected a duration such as 500ms" },
        { "home now", "unexpected 'now' (expected home)" },
        { "display dim", "expected off|on, not 'dim'" },
        { "battery 1.5", "expected a battery level from 0 to 1" },
        { "search open 3", "expected the edge 1 or 8" },
        { "music halt", "expected play|pause|next|previous|stop, not 'halt'" },
        { "drag LMView", "missing POINT (expected drag TARGET POINT [DURATION])" },
        { "drag LMView LMView", "expected a point X,Y in points, not 'LMView'" },
        { "volume 110%", "expected a volume from 0 to 1 or 0% to 100%, not '110%'" },
        { "apps com.apple.Music:Music", "expected a bundle identifier (not empty, without \":\" or a line" },
        { "apps com.apple.Music \"\"", "expected a bundle identifier" },
        { "search", "expected search open EDGE or search close" },
        { "set colour #fff", "'colour' is not a preference key" },
        { "snapshot shot.jpg", "expected a file name ending in .png" },
        { "dump tree", "expected a file name ending in .json" },
        { "expect LMView.hidden", "expected TARGET.PROPERTY OP VALUE" },
        { "expect LMView.size == 1", "does not end in a property" },
        { "expect LMView.hidden is true", "'is' is not an operator" },
        { "expect LMView.hidden == yes", "hidden takes true or false" },
        { "expect LMView.frame contains 1", "contains compares texts; frame is not one" },
        { "expect _label.text == 64%", "text takes a text in double quotes or none" },
        { "tap \"LMView", "a text in double quotes is not closed" },
        { "settings sideways", "expected open|close|back, not 'sideways'" },
        { "url-scheme \"my app\" on", "expected a URL scheme such as twitter, not 'my app'" },
        { "type secondsEnabled", "missing VALUE (expected type TARGET VALUE)" },
        { "expect-url", "missing URL" },
    };
    for (auto& [line, message] : cases) {
        try {
            Script::parse(std::string("advance 1s\n") + line, "s");
            ADD_FAILURE() << line << " was accepted";
        } catch (const InputError& error) {
            EXPECT_NE(std::string(error.what()).find(message), std::string::npos) << error.what();
            EXPECT_TRUE(std::string(error.what()).starts_with("s:2: ")) << error.what();
        }
    }
}

TEST(Script, NamesAFileItCannotRead)
{
    try {
        Script::readFile("/nonexistent/run.lumora");
        FAIL();
    } catch (const InputError& error) {
        EXPECT_STREQ(error.what(), "/nonexistent/run.lumora: cannot read the script file");
    }
}
