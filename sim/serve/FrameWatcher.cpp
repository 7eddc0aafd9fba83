#include "serve/FrameWatcher.h"

#include "Simulator.h"

#include <algorithm>

std::optional<FrameWatcher::Frame> FrameWatcher::look(Simulator& simulator)
{
    auto picture = simulator.snapshot();
    auto* surface = picture.surface();
    cairo_surface_flush(surface);
    const auto* data = cairo_image_surface_get_data(surface);
    auto size = static_cast<size_t>(cairo_image_surface_get_stride(surface)) * picture.height();
    if (picture.width() == m_width && size == m_pixels.size() && std::equal(data, data + size, m_pixels.begin()))
        return std::nullopt;
    m_pixels.assign(data, data + size);
    m_width = picture.width();
    auto scale = simulator.host().device().screenScale;
    auto bytes = picture.encodePNG();
    return Frame { std::string(bytes.begin(), bytes.end()),
        { picture.width() / scale, picture.height() / scale, scale } };
}
