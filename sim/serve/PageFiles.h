#pragma once

#include <string_view>

// The page's static files, built into the program so it serves them from anywhere.
class PageFiles {
public:
    struct File {
        std::string_view path;
        std::string_view contentType;
        std::string_view body;
    };
    // "/" is the page itself; nothing for a path that names no file.
    static const File* find(std::string_view path);
};
