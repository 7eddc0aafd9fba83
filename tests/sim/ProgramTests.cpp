// lumora-sim run as a program: what it writes, prints and exits with.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

namespace {

class Program : public testing::Test {
protected:
    void SetUp() override
    {
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-sim-test-XXXXXX").string();
        m_folder = mkdtemp(pattern.data());
        std::filesystem::create_directories(out());
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

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
            "lumora-sim: bad.lumora:3: expected a duration such as 500ms, 30s, 5m or 2h, not 'six'\n" },
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
        m_folder / "device/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist"));
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
