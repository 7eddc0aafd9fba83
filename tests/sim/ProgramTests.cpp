// lumora-sim run as a program: what it writes, prints and exits with.
#include "contracts/PreferenceFilePath.h"
#include "session/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>
#include <sys/wait.h>

namespace {

class Program : public testing::Test {
protected:
    void SetUp() override
    {
        m_temporary.emplace("lumora-sim-test");
        m_folder = m_temporary->path();
        std::filesystem::create_directories(out());
    }
    void TearDown() override { m_temporary.reset(); }

    std::filesystem::path out() const { return m_folder / "out"; }
    std::filesystem::path file(const std::string& name, const std::string& contents) const
    {
        std::ofstream(m_folder / name) << contents;
        return m_folder / name;
    }
    std::string read(const std::string& name) const
    {
        std::ostringstream text;
        text << std::ifstream(m_folder / name).rdbuf();
        return text.str();
    }

    // Runs the program from the test's folder with --out out/; returns its exit status.
    int run(const std::string& arguments)
    {
        auto command
            = "cd '" + m_folder.string() + "' && " LUMORA_SIM " --out out " + arguments + " >stdout 2>stderr";
        int status = std::system(command.c_str());
        m_stdout = read("stdout");
        m_stderr = read("stderr");
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    bool wroteNothing() const { return std::filesystem::is_empty(out()); }

    std::optional<TemporaryFolder> m_temporary;
    std::filesystem::path m_folder;
    std::string m_stdout;
    std::string m_stderr;
};

} // namespace

TEST_F(Program, WithoutArgumentsWritesTheDemoDevicesLockScreen)
{
    ASSERT_EQ(run(""), 0) << m_stderr;
    EXPECT_EQ(m_stdout, "out/lockscreen.png\n");
    EXPECT_TRUE(std::filesystem::file_size(out() / "lockscreen.png") > 0);
}

TEST_F(Program, BadInputExitsWithStatus2NamingTheProblemAndWritesNothing)
{
    file("bad.json", R"({"battery": {"level": 2}})");
    file("bad.lumora", "advance 6s\nsnapshot first.png\nadvance six\n");
    file("bad.plist", "enabled = YES;");
    const std::pair<const char*, const char*> cases[] = {
        { "--device bad.json",
            "lumora-sim: bad.json: battery.level: expected a number from 0 to 1, found 2\n" },
        { "bad.lumora",
            "lumora-sim: bad.lumora:3: expected a duration such as 500ms, 30s, 5m or 2h, at most 24h, not 'six'\n" },
        { "--prefs bad.plist",
            "lumora-sim: bad.plist: not a preference file (expected an XML or binary property list with a "
            "dictionary "
            "at its root)\n" },
        { "--prefs absent.plist", "lumora-sim: absent.plist: cannot read the preference file\n" },
        { "absent.lumora", "lumora-sim: absent.lumora: cannot read the script file\n" },
        { "-e 'snapshot a.png' -e 'tapp x'",
            "lumora-sim: -e 2: unknown verb 'tapp' (lumora-sim --help lists the verbs)\n" },
        { "--frobnicate", "lumora-sim: unknown option --frobnicate (lumora-sim --help lists the options)\n" },
    };
    for (auto& [arguments, message] : cases) {
        EXPECT_EQ(run(arguments), 2) << arguments;
        EXPECT_EQ(m_stderr, message);
        EXPECT_TRUE(wroteNothing()) << arguments;
    }
}

TEST_F(Program, InputPastItsBoundsExitsWithStatus2NamingTheBound)
{
    file("deep.json", "{\"apps\": " + std::string(200000, '[') + std::string(200000, ']') + "}");
    file("huge.json", R"({"battery": {"level": 1e400}})");
    file("screen.json", R"({"screen": {"width": 4096, "height": 4096, "scale": 3}})");
    std::string apps = R"({"apps": [)";
    for (int i = 0; i < 201; ++i)
        apps += std::string(i ? "," : "") + R"({"bundleIdentifier": "com.example.a)" + std::to_string(i) + "\"}";
    file("apps.json", apps + "]}");
    file("big.json", R"({"apps": [)" + std::string(2 << 20, ' ') + "]}");
    std::filesystem::create_directories(m_folder / "folder");
    file("folder.json", R"({"wallpaper": "folder"})");
    file("zero.json", R"({"wallpaper": "/dev/zero"})");
    file("long.lumora", "print \"" + std::string(2 << 20, 'a') + "\"\n");
    file("binary.lumora", std::string("\x01\xff\xfe\x7f") + "\n");
    file("big.plist", "<plist><dict><key>location</key><string>" + std::string(5 << 20, 'x')
            + "</string></dict></plist>");
    file("blocked", "");
    const std::pair<const char*, const char*> cases[] = {
        { "--device deep.json", "deep.json:1: apps: nested more than 32 levels deep" },
        { "--device huge.json", "huge.json:1: level: the number 1e400 is too large" },
        { "--device screen.json", "screen.json: screen: expected a screen of at most 16000000 pixels" },
        { "--device apps.json", "apps.json: apps: expected at most 200 apps, not 201" },
        { "--device big.json", "big.json: a profile of 2097164 bytes (at most 1048576)" },
        { "--device folder.json", "folder.json: wallpaper: expected a PNG file (folder is not a file)" },
        { "--device zero.json", "zero.json: wallpaper: expected a PNG file (/dev/zero is not a file)" },
        { "long.lumora", "long.lumora:1: a line of 2097160 bytes (at most 4096)\n" },
        { "binary.lumora", "binary.lumora:1: unknown verb '\\x01\\xff\\xfe\\x7f'" },
        { "--prefs big.plist", "big.plist: a preference file of 5242944 bytes (at most 4194304)" },
        { "-e 'advance 100000000h'", "-e 1: expected a duration such as 500ms, 30s, 5m or 2h, at most 24h" },
        { "-e 'long-press 9,9 1e9s'", "-e 1: expected a duration such as 500ms, 30s, 5m or 2h, at most 24h" },
        { "-e 'tap 5000,5000'", "-e 1: 5000,5000 lies off the screen (0,0 to 375,667 points)" },
        { "-e 'drag 10,10 10,900'", "-e 1: 10,900 lies off the screen (0,0 to 375,667 points)" },
        { "--serve 70000", "--serve 70000: a port is a number from 1 to 65535 (0: any free one)" },
        { "-e 'set location 99999999999999999999'",
            "-e 1: the whole number 99999999999999999999 is too large for a preference" },
        { "--root blocked/device", "blocked/device: cannot make the device root (Not a directory)" },
        { "--out blocked/out -e 'advance 1s'", "blocked/out: cannot make the output folder (Not a directory)" },
    };
    for (auto& [arguments, message] : cases) {
        EXPECT_EQ(run(arguments), 2) << arguments;
        EXPECT_EQ(m_stderr.rfind("lumora-sim: " + std::string(message), 0), 0) << m_stderr;
        EXPECT_LT(m_stderr.size(), 400u) << arguments;
        EXPECT_TRUE(wroteNothing()) << arguments;
    }
}

TEST_F(Program, InterruptedMidRunRemovesItsTemporaryDeviceRoot)
{
    std::filesystem::create_directories(m_folder / "tmp");
    // Ten simulated days: far more than the second after which it is interrupted.
    std::string days;
    for (int day = 0; day < 10; ++day)
        days += " -e 'advance 24h'";
    auto command = "cd '" + m_folder.string() + "' && (TMPDIR=tmp " LUMORA_SIM " --out out" + days
        + " 2>stderr & sleep 1; kill -INT $!; wait $!)";
    int status = std::system(command.c_str());
    EXPECT_EQ(WIFEXITED(status) ? WEXITSTATUS(status) : -1, 130);
    EXPECT_EQ(read("stderr"), "lumora-sim: interrupted\n");
    EXPECT_TRUE(std::filesystem::is_empty(m_folder / "tmp"));
}

// Each script in the README is followed at once by what it prints.
TEST_F(Program, TheReadmesExamplesPrintWhatTheReadmeShows)
{
    std::ifstream readme(LUMORA_README);
    std::vector<std::string> blocks;
    std::vector<bool> followsBlock;
    std::string line, block;
    bool inside = false, lastLineClosedBlock = false;
    while (std::getline(readme, line)) {
        if (line.starts_with("```")) {
            if (inside) {
                blocks.push_back(block);
            } else {
                followsBlock.push_back(lastLineClosedBlock);
                block.clear();
            }
            inside = !inside;
            lastLineClosedBlock = !inside;
            continue;
        }
        lastLineClosedBlock = false;
        if (inside)
            block += line + "\n";
    }
    int examples = 0;
    for (size_t i = 1; i < blocks.size(); ++i) {
        if (!followsBlock[i])
            continue;
        file("example.lumora", blocks[i - 1]);
        EXPECT_EQ(run("example.lumora"), 0) << blocks[i - 1] << m_stderr;
        EXPECT_EQ(m_stdout, blocks[i]) << blocks[i - 1];
        ++examples;
    }
    EXPECT_EQ(examples, 4);
}

TEST_F(Program, TheTodayAndSearchPagesOnA10DeviceSayTheyExistOn9Only)
{
    file("ten.json", R"({"systemVersion": "10.1"})");
    ASSERT_EQ(run("--device ten.json -e 'today open' -e 'search open 8' -e 'today close'"), 0);
    EXPECT_EQ(m_stderr,
        "lumora-sim: -e 1: today open: the Today page exists on 9.x only; nothing opens on this 10.1 device\n"
        "lumora-sim: -e 2: search open 8: the search page exists on 9.x only; nothing opens on this 10.1 "
        "device\n");
}

TEST_F(Program, AFailedExpectationExitsWithStatus1NamingTheLineAndTheValueSeen)
{
    file("check.lumora",
        "# the battery\nadvance 6s\nexpect _batteryPercentLabel.text == \"65%\"\nsnapshot never.png\n");
    EXPECT_EQ(run("check.lumora"), 1);
    EXPECT_EQ(m_stderr,
        "lumora-sim: check.lumora:3: expect _batteryPercentLabel.text == \"65%\": expectation not met: text "
        "is "
        "\"64%\"\n");
    EXPECT_TRUE(wroteNothing());

    EXPECT_EQ(run("-e 'tap _noSuchView'"), 1);
    EXPECT_EQ(m_stderr, "lumora-sim: -e 1: tap _noSuchView: no view matches _noSuchView\n");
}

TEST_F(Program, SettingsVerbsThatCannotProceedStopTheScriptNamingTheLine)
{
    const std::pair<const char*, const char*> cases[] = {
        { "-e 'settings open' -e 'settings back'",
            "-e 2: settings back: the Settings app shows no page to go back from" },
        { "-e 'settings open' -e 'tap Lumora' -e 'type enabled 3'",
            "-e 3: type enabled 3: enabled is not a text row of the Settings app that takes typing" },
        { "-e 'expect-url https://example.org'",
            "-e 1: expect-url https://example.org: expectation not met: no address was opened" },
    };
    for (auto [arguments, message] : cases) {
        EXPECT_EQ(run(arguments), 1) << arguments;
        EXPECT_EQ(m_stderr, std::string("lumora-sim: ") + message + "\n");
    }
}

TEST_F(Program, HelpListsTheOptionsAndTheVerbs)
{
    EXPECT_EQ(run("--help"), 0);
    for (auto word :
        { "--device FILE", "--prefs FILE", "--root DIR", "--keep-root", "--out DIR", "-e COMMAND",
            "advance DURATION", "expect TARGET.PROPERTY OP VALUE", "alert press TITLE", "search open EDGE" })
        EXPECT_NE(m_stdout.find(word), std::string::npos) << word;
}

TEST_F(Program, KeepsTheDeviceRootGivenAcrossRuns)
{
    ASSERT_EQ(run("--root device -e 'set location 7'"), 0) << m_stderr;
    EXPECT_TRUE(std::filesystem::exists(
        m_folder / "device" / std::filesystem::path(contracts::preferenceFilePath).relative_path()));
    // With the panel nowhere, SpringBoard's own clock shows again.
    ASSERT_EQ(run("--root device -e 'advance 2s' -e 'expect _legibilityTimeLabel.visible == true'"), 0)
        << m_stderr;
}

TEST_F(Program, RunsScriptsAndCommandsInTheOrderGivenAndReadsStandardInputForDash)
{
    file("first.lumora", "advance 6s\nprint _batteryPercentLabel.text\n");
    file("last.lumora", "print _timeDateLabel.text\n");
    ASSERT_EQ(run("first.lumora -e 'battery 50%' -e 'advance 1s' - < last.lumora -e 'print "
                  "_batteryPercentLabel.text'"),
        0)
        << m_stderr;
    EXPECT_EQ(m_stdout, "\"64%\"\n\"9:05\\nMonday, December 7\"\n\"50%\"\n");
}

TEST_F(Program, ABadCalendarFileOrScheduleCommandExitsWithStatus2NamingIt)
{
    file("broken.ics", "BEGIN:VCALENDAR\nBEGIN:VEVENT\nSUMMARY:Lunch\nEND:VEVENT\nEND:VCALENDAR\n");
    file("broken.json", R"({"calendars": [{"title": "Work", "colour": "#336699", "file": "broken.ics"}]})");
    const std::pair<const char*, std::string> cases[] = {
        { "--device broken.json",
            "lumora-sim: broken.json: calendars[0].file: broken.ics: VEVENT 1 (\"Lunch\"): DTSTART is "
            "missing or "
            "not a date from 1900 to 2200\n" },
        { "-e 'event add Lunch noon 13:00'",
            "lumora-sim: -e 1: expected a date \"YYYY-MM-DDTHH:MM[:SS]\" or one relative to the start such "
            "as "
            "\"+10m\", \"-1h30m\", \"+2d 09:00\" or \"14:00\", not 'noon'\n" },
        { "-e 'calendar add Gym orange'", "lumora-sim: -e 1: expected a colour #rrggbb, not 'orange'\n" },
        { "-e 'expect device.opend == none'",
            "lumora-sim: -e 1: 'device.opend' is not a property of the device (expected device.PROPERTY, "
            "PROPERTY one "
            "of opened, unlockAsked, locked, notifications, invokedAction)\n" },
    };
    for (auto& [arguments, message] : cases) {
        EXPECT_EQ(run(arguments), 2) << arguments;
        EXPECT_EQ(m_stderr, message);
        EXPECT_TRUE(wroteNothing()) << arguments;
    }
}
