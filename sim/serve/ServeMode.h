#pragma once

#include "Command.h"

#include <iosfwd>
#include <span>

class OutputFolder;
class Simulator;

// lumora-sim --serve: runs the scripts given, then serves the device live on the loopback address
// until Ctrl-C, on the calling thread (the one that booted the simulator).
class ServeMode {
public:
    // Prints the page's address on `out` once it serves. Throws InputError when the port cannot be
    // had, ScriptFailure when a script given fails; returns the exit status.
    static int run(Simulator&, const OutputFolder&, std::span<const Command>, int port, std::ostream& out);
};
