#pragma once

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

// What lumora-sim was asked to do.
struct CommandLine {
    // A script file, or one command given with -e; they run in the order given.
    struct Source {
        bool isFile { false };
        std::string text;
    };

    std::optional<std::filesystem::path> device;
    std::optional<std::filesystem::path> prefs;
    std::optional<std::filesystem::path> root;
    bool keepRoot { false };
    std::filesystem::path out { "." };
    std::vector<Source> sources;
    bool help { false };
    bool printHooks { false };
    // --serve [PORT]: the live page on the loopback address, after the scripts have run; port 0
    // takes any free one.
    std::optional<int> servePort;

    static constexpr int defaultServePort = 8080;

    // The arguments after the program's name. Throws InputError for an unknown option or one
    // that lacks its value.
    static CommandLine parse(std::span<const char* const>);
    // The options and the script verbs.
    static std::string usage();
};
