#include "iokit/PowerSource.h"

#include "iokit/Battery.h"

namespace iokit {

std::optional<double> PowerSource::property(std::string_view key)
{
    std::optional<int> capacity;
    if (key == "AppleRawCurrentCapacity")
        capacity = Battery::rawCurrentCapacity();
    else if (key == "AppleRawMaxCapacity")
        capacity = Battery::rawMaxCapacity();
    return capacity ? std::optional<double>(*capacity) : std::nullopt;
}

} // namespace iokit
