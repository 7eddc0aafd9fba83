#pragma once

namespace eventkit {

// Makes the calendar framework's classes findable by name in the current simulated process:
// what linking the framework does on the device. The host calls it when it boots.
void registerClasses();

} // namespace eventkit
