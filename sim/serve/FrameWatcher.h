#pragma once

#include "serve/ScreenFeed.h"

#include <cstdint>
#include <optional>
#include <vector>

class Simulator;

// Looks at the screen and tells when it changed since the last look: the new frame as a PNG file
// and its geometry, or nothing when every pixel is as before.
class FrameWatcher {
public:
    struct Frame {
        std::string png;
        ScreenFeed::Geometry geometry;
    };

    std::optional<Frame> look(Simulator&);

private:
    std::vector<std::uint8_t> m_pixels;
    int m_width { 0 };
};
