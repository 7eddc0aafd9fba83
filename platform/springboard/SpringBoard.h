#pragma once

#include "springboard/Device.h"

#include <memory>
#include <span>

namespace springboard {

class FBRootWindow;

using LibraryInitialiser = void (*)();

// One simulated SpringBoard process on a simulated device. Making one begins a new process:
// the runtime forgets the previous process's classes and replacements, the run loop starts at
// the device's time, and SpringBoard registers its classes (hiding those the device's system
// lacks). Then a tweak library is loaded, and SpringBoard builds its windows.
class SpringBoard {
public:
    explicit SpringBoard(Device device);
    SpringBoard(const SpringBoard&) = delete;
    SpringBoard& operator=(const SpringBoard&) = delete;
    ~SpringBoard();

    Device& device() { return m_device; }

    // Runs the library's initialisers in the order given, as the loader runs a library's
    // initialiser list.
    void loadLibrary(std::span<const LibraryInitialiser> initialisers);
    // Makes the root window (FBRootWindow initWithDisplay:).
    void buildWindows();

    const std::shared_ptr<FBRootWindow>& rootWindow() const { return m_rootWindow; }

private:
    void registerClasses();

    Device m_device;
    std::shared_ptr<FBRootWindow> m_rootWindow;
};

} // namespace springboard
