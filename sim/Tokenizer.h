#pragma once

#include <string>
#include <string_view>
#include <vector>

// Splits a script line into words at blanks. A text in double quotes is one word, blanks
// included, with \" \\ and \n standing for a quote, a backslash and a line break.
class Tokenizer {
public:
    struct Token {
        std::string text;
        bool quoted { false };
    };

    // Throws InputError for a quote left open.
    static std::vector<Token> split(std::string_view line);
};
