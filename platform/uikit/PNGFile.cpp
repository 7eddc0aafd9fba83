#include "uikit/PNGFile.h"

#include <png.h>
#include <stdexcept>

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
    png_image image {};
    image.version = PNG_IMAGE_VERSION;
    image.width = bitmap.width;
    image.height = bitmap.height;
    image.format = PNG_FORMAT_RGBA;
    png_alloc_size_t size = 0;
    if (!png_image_write_get_memory_size(image, size, 0, bitmap.rgba.data(), 0, nullptr))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    std::vector<std::uint8_t> bytes(size);
    if (!png_image_write_to_memory(&image, bytes.data(), &size, 0, bitmap.rgba.data(), 0, nullptr))
        throw std::runtime_error(std::string("PNG encoding failed: ") + image.message);
    bytes.resize(size);
    return bytes;
}
