#pragma once

#include "contracts/IOKit.h"

#include <optional>
#include <string_view>

namespace iokit {

// The registry's "IOPMPowerSource" service: the battery (iokit::Battery) as its properties.
class PowerSource {
public:
    static constexpr std::string_view className = "IOPMPowerSource";
    // The service's handle in the registry; it never changes.
    static constexpr io_service_t service = 0x1e03;

    // "AppleRawCurrentCapacity" and "AppleRawMaxCapacity" in mAh, as the battery reports them
    // now; nothing for another key or a capacity the battery does not report.
    static std::optional<double> property(std::string_view key);
};

} // namespace iokit
