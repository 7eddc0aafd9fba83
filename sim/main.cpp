// lumora-sim: a simulated phone with Lumora on its lock screen, driven by scripts.
#include "ChosenApps.h"
#include "CommandLine.h"
#include "DeviceProfile.h"
#include "DeviceRoot.h"
#include "InputError.h"
#include "Interruption.h"
#include "OutputFolder.h"
#include "PreferenceFile.h"
#include "Script.h"
#include "ScriptFailure.h"
#include "ScriptRunner.h"
#include "Simulator.h"

#include "objc/HookRecord.h"
#include "serve/ServeMode.h"

#include <iostream>
#include <iterator>
#include <optional>
#include <vector>

#include <unistd.h>

namespace {

// The main job: the lock screen once the panel's delayed update has run.
constexpr const char* defaultScript = "advance 6s\nsnapshot lockscreen.png\n";
// Served, the page opens on that same lock screen.
constexpr const char* defaultServeScript = "advance 6s\n";

std::vector<Command> commandsOf(const CommandLine& line)
{
    if (line.sources.empty())
        return Script::parse(line.servePort ? defaultServeScript : defaultScript, "default");
    std::vector<Command> commands;
    int inlineCount = 0;
    for (auto& source : line.sources) {
        if (source.isFile) {
            auto script = source.text == "-"
                ? Script::parse(std::string(std::istreambuf_iterator<char>(std::cin), {}), "-")
                : Script::readFile(source.text);
            commands.insert(commands.end(), script.begin(), script.end());
        } else {
            commands.push_back(Script::parseCommand(source.text, "-e " + std::to_string(++inlineCount)));
        }
    }
    return commands;
}

// Found before the run, not at its first snapshot.
void checkOutputFolder(const std::filesystem::path& folder)
{
    std::error_code error;
    if (std::filesystem::exists(folder, error) && !std::filesystem::is_directory(folder, error))
        throw InputError(folder.string() + ": the output folder is not a folder");
    std::filesystem::create_directories(folder, error);
    if (error)
        throw InputError(folder.string() + ": cannot make the output folder (" + error.message() + ")");
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK | X_OK) != 0)
        throw InputError(folder.string() + ": the output folder cannot be written");
}

void printHooks()
{
    auto hooks = objc::installedHooks();
    std::cout << "installed " << hooks.size() << " replacements:\n";
    for (auto& hook : hooks)
        std::cout << "  " << hook.className << " " << hook.selector << "\n";
}

int run(const CommandLine& line)
{
    // Everything given is read and checked before anything is written.
    auto profile = line.device ? DeviceProfile::load(*line.device) : DeviceProfile::demo();
    auto preferences = line.prefs ? std::optional(PreferenceFile::readHostFile(*line.prefs)) : std::nullopt;
    auto commands = commandsOf(line);
    DeviceRoot::check(line.root);
    checkOutputFolder(line.out);

    std::optional<DeviceRoot> root;
    try {
        root.emplace(line.root, line.keepRoot);
    } catch (const std::filesystem::filesystem_error& error) {
        throw InputError(error.path1().string() + ": cannot make the device root ("
            + error.code().message() + ")");
    }
    if (preferences)
        PreferenceFile::install(*preferences);
    if (profile.appList)
        ChosenApps::write(*profile.appList);
    OutputFolder output(line.out);
    Simulator simulator(std::move(profile));
    if (line.printHooks)
        printHooks();
    int status = 0;
    try {
        if (line.servePort)
            status = ServeMode::run(simulator, output, commands, *line.servePort, std::cout);
        else
            ScriptRunner(simulator, output, std::cout, std::cerr).run(commands);
    } catch (const ScriptFailure& failure) {
        std::cerr << "lumora-sim: " << failure.what() << "\n";
        status = 1;
    } catch (const Interrupted&) {
        std::cerr << "lumora-sim: interrupted\n";
        status = 130;
    }
    if (line.keepRoot && !line.root)
        std::cerr << "lumora-sim: the device root is kept at " << root->path().string() << "\n";
    return status;
}

} // namespace

int main(int argc, char** argv)
{
    try {
        auto line = CommandLine::parse(std::span<const char* const>(argv + 1, argc - 1));
        if (line.help) {
            std::cout << CommandLine::usage();
            return 0;
        }
        Interruption::catchSignals();
        return run(line);
    } catch (const std::exception& error) {
        // Status 1 is a failed expectation's alone; any other failure is of input or environment.
        std::cerr << "lumora-sim: " << error.what() << "\n";
        return 2;
    }
}
