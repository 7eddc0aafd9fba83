#include "uikit/PNGFile.h"

#include <png.h>

#include <csetjmp>
#include <stdexcept>

namespace {

void appendBytes(png_structp png, png_bytep data, png_size_t length)
{
    auto* bytes = static_cast<std::vector<std::uint8_t>*>(png_get_io_ptr(png));
    bytes->insert(bytes->end(), data, data + length);
}

} // namespace

std::optional<Bitmap> PNGFile::decode(std::span<const std::uint8_t> bytes)
{
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_memory(&image, bytes.data(), bytes.size()))
        return std::nullopt;
    if (image.width == 0 || image.height == 0 || image.width > maximumSide || image.height > maximumSide) {
        png_image_free(&image);
        return std::nullopt;
    }
    image.format = PNG_FORMAT_RGBA;
    Bitmap bitmap(image.width, image.height);
    if (!png_image_finish_read(&image, nullptr, bitmap.rgba.data(), 0, nullptr)) {
        png_image_free(&image);
        return std::nullopt;
    }
    return bitmap;
}

std::vector<std::uint8_t> PNGFile::encode(const Bitmap& bitmap)
{
    if (bitmap.rgba.size() != size_t(bitmap.width) * bitmap.height * 4)
        throw std::invalid_argument("bitmap pixels do not match its size");
    bool opaque = true;
    for (size_t alpha = 3; alpha < bitmap.rgba.size() && opaque; alpha += 4)
        opaque = bitmap.rgba[alpha] == 255;
    if (!opaque)
        return encode(bitmap.width, bitmap.height, true,
            [&](unsigned y) { return bitmap.rgba.data() + size_t(y) * bitmap.width * 4; });
    std::vector<std::uint8_t> row(size_t(bitmap.width) * 3);
    return encode(bitmap.width, bitmap.height, false, [&](unsigned y) {
        const std::uint8_t* pixel = bitmap.rgba.data() + size_t(y) * bitmap.width * 4;
        for (size_t x = 0; x < bitmap.width; ++x, pixel += 4) {
            row[x * 3] = pixel[0];
            row[x * 3 + 1] = pixel[1];
            row[x * 3 + 2] = pixel[2];
        }
        return row.data();
    });
}

std::vector<std::uint8_t> PNGFile::encode(
    unsigned width, unsigned height, bool hasAlpha, const RowSource& row)
{
    if (width == 0 || height == 0 || width > maximumSide || height > maximumSide)
        throw std::invalid_argument("PNG encoding failed: no picture of " + std::to_string(width) + " x "
            + std::to_string(height) + " pixels");
    std::vector<std::uint8_t> bytes;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error("PNG encoding failed: out of memory");
    }
    // libpng reports its errors by jumping back here; nothing made after this point needs
    // destroying but libpng's own structures.
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error("PNG encoding failed");
    }
    png_set_write_fn(png, &bytes, appendBytes, nullptr);
    png_set_IHDR(png, info, width, height, 8, hasAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB,
        PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    // The files are for looking at and comparing, not for keeping: deflate's fastest level after
    // the Up filter, which costs next to nothing and catches most of a screen's flat areas and
    // gradients. Four to five times as fast as the defaults, for files about half as large again.
    png_set_compression_level(png, 1);
    png_set_filter(png, PNG_FILTER_TYPE_BASE, PNG_FILTER_UP);
    png_write_info(png, info);
    for (unsigned y = 0; y < height; ++y)
        png_write_row(png, row(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return bytes;
}
