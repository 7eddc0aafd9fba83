#pragma once

#include "springboard/SpringBoard.h"

#include <memory>
#include <string>

// Boots a simulated SpringBoard with Lumora loaded, on a device the test describes.
class HostFixture {
public:
    explicit HostFixture(springboard::Device device = {});

    springboard::SpringBoard& host() { return *m_host; }

private:
    std::unique_ptr<springboard::SpringBoard> m_host;
};
