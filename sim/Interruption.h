#pragma once

// Ctrl-C or a termination request during a run. The run stops between two commands, so the
// program still ends through its own clean-up (the temporary device root goes) rather than
// where the signal found it; a second request ends it at once.
class Interruption {
public:
    static void catchSignals();
    static bool requested();
};

// Thrown between commands once an interruption was requested.
struct Interrupted { };
