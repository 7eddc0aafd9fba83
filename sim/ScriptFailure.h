#pragma once

#include <stdexcept>

// A script that ran into the device as it stands: an expectation not met, a target that names
// no view, an alert without the button asked for. The message names the script line and what
// was seen. The program exits with status 1.
class ScriptFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
