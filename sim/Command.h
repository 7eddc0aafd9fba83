#pragma once

#include "Expectation.h"
#include "Probe.h"
#include "Target.h"
#include "Tokenizer.h"

#include "dispatch/RunLoop.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// One script command, checked and taken apart: the verb, then whichever arguments its form has.
struct Command {
    // Where it was written ("demo.lumora:3", "-e 2") and how.
    std::string where;
    std::string line;

    // One or two words: "tap", "search open".
    std::string verb;
    // The word chosen where the form offers some ("on" of "on|off").
    std::string choice;
    std::optional<Target> target;
    // POINT: where a drag ends, on the screen.
    std::optional<CGPoint> point;
    std::optional<NSTimeInterval> duration;
    // LEVEL (0 to 1) or EDGE.
    std::optional<double> number;
    // RATE: change of the battery level per hour.
    std::optional<double> rate;
    // ID...: bundle identifiers.
    std::vector<std::string> identifiers;
    // KEY, FILE or TITLE.
    std::string name;
    // VALUE, as written.
    Tokenizer::Token value;
    // The texts of the other placeholders (COLOUR, START, END, DUE, DATE, CALENDAR, APP,
    // TEXT), checked for their form, by placeholder.
    std::map<std::string, std::string, std::less<>> fields;
    std::optional<Probe> probe;
    std::optional<Expectation> expectation;
};
