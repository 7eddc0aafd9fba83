#include "render/Picture.h"

#include "uikit/PNGFile.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <fstream>
#include <stdexcept>
#include <utility>
#include <vector>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#if defined(__x86_64__)
#include <tmmintrin.h>
#endif

namespace render {

namespace {

// Room past a row for the converters' wide stores.
constexpr size_t rowSlack = 4;

bool isOpaque(const uint32_t* pixels, unsigned width)
{
    uint32_t all = 0xffffffff;
    unsigned x = 0;
#if defined(__SSE2__)
    __m128i lanes = _mm_set1_epi32(-1);
    for (; x + 4 <= width; x += 4)
        lanes = _mm_and_si128(lanes, _mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x)));
    uint32_t parts[4];
    _mm_storeu_si128(reinterpret_cast<__m128i*>(parts), lanes);
    all = parts[0] & parts[1] & parts[2] & parts[3];
#endif
    for (; x < width; ++x)
        all &= pixels[x];
    return all >> 24 == 0xff;
}

#if defined(__x86_64__)
[[gnu::target("ssse3")]] void shuffleOpaqueRow(const uint32_t* pixels, unsigned width, uint8_t* out)
{
    const __m128i rgbOrder = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    unsigned x = 0;
    for (; x + 4 <= width; x += 4, out += 12)
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
            _mm_shuffle_epi8(_mm_loadu_si128(reinterpret_cast<const __m128i*>(pixels + x)), rgbOrder));
    for (; x < width; ++x, out += 3) {
        out[0] = static_cast<uint8_t>(pixels[x] >> 16);
        out[1] = static_cast<uint8_t>(pixels[x] >> 8);
        out[2] = static_cast<uint8_t>(pixels[x]);
    }
}
#endif

// Cairo's native 0xAARRGGBB to the bytes R, G, B: a byte shuffle of four pixels at once where the
// processor has one, else a byte swap a pixel at a time whose fourth byte the next pixel overwrites.
void opaqueRow(const uint32_t* pixels, unsigned width, uint8_t* out)
{
#if defined(__x86_64__)
    static const bool canShuffle = __builtin_cpu_supports("ssse3");
    if (canShuffle)
        return shuffleOpaqueRow(pixels, width, out);
#endif
    for (unsigned x = 0; x < width; ++x, out += 3) {
        if constexpr (std::endian::native == std::endian::little) {
            uint32_t rgb = __builtin_bswap32(pixels[x]) >> 8;
            std::memcpy(out, &rgb, sizeof rgb);
        } else {
            out[0] = static_cast<uint8_t>(pixels[x] >> 16);
            out[1] = static_cast<uint8_t>(pixels[x] >> 8);
            out[2] = static_cast<uint8_t>(pixels[x]);
        }
    }
}

// Straight colours from premultiplied ones, rounded as cairo's own PNG writer rounds them.
void translucentRow(const uint32_t* pixels, unsigned width, uint8_t* out)
{
    for (unsigned x = 0; x < width; ++x, out += 4) {
        uint32_t alpha = pixels[x] >> 24;
        for (int c = 0; c < 3; ++c) {
            uint32_t channel = (pixels[x] >> (16 - 8 * c)) & 0xff;
            out[c] = static_cast<uint8_t>(alpha == 255 ? channel
                    : alpha                            ? (channel * 255 + alpha / 2) / alpha
                                                       : 0);
        }
        out[3] = static_cast<uint8_t>(alpha);
    }
}

} // namespace

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
        opaque = isOpaque(rowPixels(y), width);

    std::vector<uint8_t> row(size_t(width) * (opaque ? 3 : 4) + rowSlack);
    return PNGFile::encode(width, height, !opaque, [&](unsigned y) {
        if (opaque)
            opaqueRow(rowPixels(y), width, row.data());
        else
            translucentRow(rowPixels(y), width, row.data());
        return row.data();
    });
}

} // namespace render
