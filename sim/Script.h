#pragma once

#include "Command.h"

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// The script language: one command a line, blank lines and lines beginning with # skipped.
// Every line is checked before anything runs.
class Script {
public:
    // Longer lines are refused rather than carried into every message about them.
    static constexpr size_t maximumLine = 4096;

    // Throws InputError naming the line ("NAME:LINE: ...") and what was expected.
    static std::vector<Command> parse(std::string_view text, const std::string& name);
    // Throws InputError naming the file when it cannot be read.
    static std::vector<Command> readFile(const std::filesystem::path&);
    // One command on its own (given with -e); `where` names it in messages.
    static Command parseCommand(std::string_view line, const std::string& where);
};
