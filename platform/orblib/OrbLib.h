#pragma once

namespace orblib {

// Makes every support-library class findable by name in the current simulated process, with
// its class-side operations: what loading the library does on the device. The host calls it
// when it boots; tests call it after beginning a process.
void registerClasses();

} // namespace orblib
