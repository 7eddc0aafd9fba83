#pragma once

#include <stdexcept>

// Input the simulator cannot use: a malformed profile or script, an unknown verb or key, a
// missing or unreadable file. The message names the file, the line or the key, and what was
// expected. The program stops before it writes anything and exits with status 2.
class InputError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};
