#include "render/Picture.h"

#include "uikit/PNGFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

namespace render {

Picture::Picture(int width, int height)
    : Picture(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height))
{ }

Picture::Picture(cairo_surface_t* surface)
    : m_surface(surface)
{ }

Picture Picture::readPNG(const std::string& path)
{
    cairo_surface_t* loaded = cairo_image_surface_create_from_png(path.c_str());
    if (cairo_surface_status(loaded) != CAIRO_STATUS_SUCCESS) {
        cairo_surface_destroy(loaded);
        throw std::runtime_error("cannot read PNG " + path);
    }
    // PNGs without alpha load as RGB24; keep one format so pixels compare directly.
    Picture picture(cairo_image_surface_get_width(loaded), cairo_image_surface_get_height(loaded));
    cairo_t* cr = cairo_create(picture.m_surface);
    cairo_set_source_surface(cr, loaded, 0, 0);
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
    cairo_paint(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(loaded);
    cairo_surface_flush(picture.m_surface);
    return picture;
}

Picture::Picture(Picture&& other) noexcept
    : m_surface(std::exchange(other.m_surface, nullptr))
{ }

Picture& Picture::operator=(Picture&& other) noexcept
{
    std::swap(m_surface, other.m_surface);
    return *this;
}

Picture::~Picture()
{
    if (m_surface)
        cairo_surface_destroy(m_surface);
}

int Picture::width() const
{
    return cairo_image_surface_get_width(m_surface);
}

int Picture::height() const
{
    return cairo_image_surface_get_height(m_surface);
}

uint32_t Picture::pixel(int x, int y) const
{
    const unsigned char* row
        = cairo_image_surface_get_data(m_surface) + y * cairo_image_surface_get_stride(m_surface);
    return reinterpret_cast<const uint32_t*>(row)[x];
}

void Picture::writePNG(const std::string& path) const
{
    auto bytes = encodePNG();
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()))
        || !file.flush())
        throw std::runtime_error("cannot write PNG " + path);
}

std::vector<uint8_t> Picture::encodePNG() const
{
    cairo_surface_flush(m_surface);
    auto width = static_cast<unsigned>(this->width());
    auto height = static_cast<unsigned>(this->height());
    const unsigned char* data = cairo_image_surface_get_data(m_surface);
    auto stride = static_cast<size_t>(cairo_image_surface_get_stride(m_surface));
    auto rowPixels = [&](unsigned y) { return reinterpret_cast<const uint32_t*>(data + y * stride); };
    bool opaque = true;
    for (unsigned y = 0; y < height && opaque; ++y)
        opaque = std::all_of(
            rowPixels(y), rowPixels(y) + width, [](uint32_t pixel) { return pixel >> 24 == 0xff; });

    // Straight colours from premultiplied ones, rounded as cairo's own PNG writer rounds them.
    // One byte more than a row, for the opaque path's four-byte stores.
    std::vector<uint8_t> row(size_t(width) * (opaque ? 3 : 4) + 1);
    return PNGFile::encode(width, height, !opaque, [&](unsigned y) {
        const uint32_t* pixel = rowPixels(y);
        uint8_t* out = row.data();
        if (opaque && std::endian::native == std::endian::little) {
            // 0xAARRGGBB to the bytes R, G, B, 0; the next pixel overwrites the 0.
            for (unsigned x = 0; x < width; ++x) {
                uint32_t rgb = __builtin_bswap32(pixel[x]) >> 8;
                std::memcpy(out + size_t(x) * 3, &rgb, sizeof rgb);
            }
            return row.data();
        }
        if (opaque) {
            for (unsigned x = 0; x < width; ++x, out += 3) {
                out[0] = static_cast<uint8_t>(pixel[x] >> 16);
                out[1] = static_cast<uint8_t>(pixel[x] >> 8);
                out[2] = static_cast<uint8_t>(pixel[x]);
            }
            return row.data();
        }
        for (unsigned x = 0; x < width; ++x, out += 4) {
            uint32_t alpha = pixel[x] >> 24;
            for (int c = 0; c < 3; ++c) {
                uint32_t channel = (pixel[x] >> (16 - 8 * c)) & 0xff;
                out[c] = static_cast<uint8_t>(alpha == 255 ? channel
                        : alpha                            ? (channel * 255 + alpha / 2) / alpha
                                                           : 0);
            }
            out[3] = static_cast<uint8_t>(alpha);
        }
        return row.data();
    });
}

} // namespace render
