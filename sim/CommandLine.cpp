#include "CommandLine.h"

#include "InputError.h"
#include "Verbs.h"
#include "ViewProperty.h"

#include <algorithm>
#include <string_view>

namespace {

struct Option {
    std::string_view name;
    std::string_view value;
    std::string_view help;
};

constexpr Option options[] = {
    { "--device", "FILE", "the device profile (JSON); what it leaves out comes from the demo device" },
    { "--prefs", "FILE", "a preference file (XML or binary property list) installed as the user's" },
    { "--root", "DIR", "the device's disk; default a fresh temporary folder, removed at exit" },
    { "--keep-root", "", "keeps the temporary device root and prints where it is" },
    { "--out", "DIR", "where snapshots and dumps are written; default the current folder" },
    { "-e", "COMMAND", "runs one script command (repeatable; in order with script files)" },
    { "--print-hooks", "", "prints the method replacements Lumora installed at boot" },
    { "--serve", "[PORT]", "then serves the device live at http://127.0.0.1:PORT/ (8080 unless given)" },
    { "--help", "", "prints this help" },
};

std::string padded(std::string text, size_t width)
{
    text.resize(std::max(text.size() + 2, width), ' ');
    return text;
}

// A word of digits after --serve is its port; anything else is the next argument.
bool isPort(std::string_view word)
{
    return !word.empty() && word.size() <= 9 && word.find_first_not_of("0123456789") == std::string_view::npos;
}

int port(std::string_view word)
{
    int number = std::stoi(std::string(word));
    if (number > 65535)
        throw InputError("--serve " + std::string(word) + ": a port is a number from 1 to 65535 (0: any free one)");
    return number;
}

} // namespace

CommandLine CommandLine::parse(std::span<const char* const> arguments)
{
    CommandLine line;
    for (size_t i = 0; i < arguments.size(); ++i) {
        std::string_view argument = arguments[i];
        if (!argument.starts_with('-') || argument == "-") {
            line.sources.push_back({ true, std::string(argument) });
            continue;
        }
        auto value = [&]() -> std::string {
            if (i + 1 == arguments.size())
                throw InputError(
                    std::string(argument) + " needs a value (lumora-sim --help lists the options)");
            return arguments[++i];
        };
        auto once = [&](std::optional<std::filesystem::path>& slot) {
            if (slot)
                throw InputError(std::string(argument) + " is given twice");
            slot = value();
        };
        if (argument == "--device")
            once(line.device);
        else if (argument == "--prefs")
            once(line.prefs);
        else if (argument == "--root")
            once(line.root);
        else if (argument == "--out")
            line.out = value();
        else if (argument == "-e")
            line.sources.push_back({ false, value() });
        else if (argument == "--keep-root")
            line.keepRoot = true;
        else if (argument == "--serve")
            line.servePort = i + 1 < arguments.size() && isPort(arguments[i + 1])
                ? port(arguments[++i])
                : defaultServePort;
        else if (argument == "--print-hooks")
            line.printHooks = true;
        else if (argument == "--help" || argument == "-h")
            line.help = true;
        else
            throw InputError(
                "unknown option " + std::string(argument) + " (lumora-sim --help lists the options)");
    }
    return line;
}

std::string CommandLine::usage()
{
    std::string text
        = "Usage: lumora-sim [OPTION]... [SCRIPT]...\n"
          "Boots a simulated phone with Lumora on its lock screen, runs the scripts (- reads standard\n"
          "input) and the -e commands in order, and writes what they ask for. Without any, runs 6\n"
          "seconds and writes lockscreen.png.\n\nOptions:\n";
    for (auto& option : options)
        text += "  "
            + padded(
                std::string(option.name) + (option.value.empty() ? "" : " ") + std::string(option.value), 20)
            + std::string(option.help) + "\n";
    text += "\nScript commands, one a line (# begins a comment line):\n";
    for (auto& verb : Verbs::all())
        text += "  "
            + padded(std::string(verb.name) + (verb.form.empty() ? "" : " ") + std::string(verb.form), 40)
            + std::string(verb.help) + "\n";
    text += "\nTARGET: an accessibility identifier or class name, a path of them separated by / (each found\n"
            "inside the one before), or screen coordinates X,Y in points.\n"
            "PROPERTY: "
        + ViewProperty::names()
        + ".\nOP: ==, !=, contains, !contains. VALUE: \"text\", x,y,w,h, true, false, a number, #rrggbb,\n"
          "or none. Frames and numbers match within 0.01; images by resource name.\n"
          "\nBounds: a profile of 1 MB nested 32 deep, 200 apps, a screen of 16 million pixels, pictures\n"
          "of 32 MB, a preference file of 4 MB, script lines of 4096 bytes, 24h of virtual time a\n"
          "command, taps on the screen.\n"
          "\nExit status: 0 done, 1 an expectation failed, 2 bad input or environment (found before the\n"
          "run where it can be: nothing is written then), 130 interrupted.\n";
    return text;
}
