#pragma once

#include <stdexcept>

namespace eventkit {

// An iCalendar file that cannot be read; the message names the file and what is wrong.
class IcsError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace eventkit
