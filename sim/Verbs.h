#pragma once

#include <span>
#include <string_view>

// The script language's verbs with the form of their arguments, which the parser follows and
// the help prints. In a form, a word in capitals is an argument, a|b|c one of those words, and
// brackets mark what may be left out.
class Verbs {
public:
    struct Verb {
        std::string_view name;
        std::string_view form;
        std::string_view help;
    };

    static std::span<const Verb> all();
    // The verb a line begins with (two words for "search open", one for "tap"), or nothing.
    static const Verb* find(std::string_view first, std::string_view second);
    // The verbs of two words that begin with this one, each with its form, separated by " or ".
    static std::string formsBeginningWith(std::string_view first);
};
