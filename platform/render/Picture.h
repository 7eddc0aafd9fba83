#pragma once

#include <cairo.h>

#include <cstdint>
#include <string>
#include <vector>

namespace render {

// A picture in device pixels: cairo's native premultiplied ARGB, 32 bits a pixel.
class Picture {
public:
    Picture(int width, int height);
    // Throws std::runtime_error naming the file when it cannot be read as a PNG.
    static Picture readPNG(const std::string& path);

    Picture(Picture&&) noexcept;
    Picture& operator=(Picture&&) noexcept;
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;
    ~Picture();

    int width() const;
    int height() const;
    // Premultiplied 0xAARRGGBB.
    uint32_t pixel(int x, int y) const;
    cairo_surface_t* surface() const { return m_surface; }

    // Throws std::runtime_error naming the file when it cannot be written.
    void writePNG(const std::string& path) const;
    // The PNG file's bytes.
    std::vector<uint8_t> encodePNG() const;

private:
    explicit Picture(cairo_surface_t* surface);

    cairo_surface_t* m_surface;
};

} // namespace render
