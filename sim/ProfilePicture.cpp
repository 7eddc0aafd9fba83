#include "ProfilePicture.h"

#include "InputError.h"
#include "ProfileReader.h"

#include "uikit/PNGFile.h"
#include "uikit/UIImage.h"

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

ProfilePicture ProfilePicture::read(const ProfileReader& reader, const std::string& profileFolder)
{
    if (reader.has("top") || reader.has("bottom")) {
        reader.expectKeys({ "top", "bottom" });
        return gradient(reader["top"].colour(), reader["bottom"].colour());
    }
    auto path = std::filesystem::path(profileFolder) / reader.text();
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        reader.fail("a PNG file (" + path.string() + " is not a file)");
    if (auto size = std::filesystem::file_size(path, error); error || size > maximumFileSize)
        reader.fail("a PNG file of at most " + std::to_string(maximumFileSize / (1024 * 1024)) + " MB ("
            + path.string() + " is larger)");
    std::ifstream file(path, std::ios::binary);
    std::vector<std::uint8_t> bytes { std::istreambuf_iterator<char>(file),
        std::istreambuf_iterator<char>() };
    auto bitmap = PNGFile::decode(bytes);
    if (!bitmap)
        reader.fail("a PNG file (" + path.string() + " cannot be read as one)");
    ProfilePicture picture;
    picture.m_file = std::move(*bitmap);
    picture.m_name = UIImage::resourceNameForPath(path.string());
    return picture;
}

ProfilePicture ProfilePicture::gradient(Colour top, Colour bottom)
{
    ProfilePicture picture;
    picture.m_top = top;
    picture.m_bottom = bottom;
    picture.m_name = "gradient";
    return picture;
}

std::shared_ptr<UIImage> ProfilePicture::image(CGSize size, CGFloat scale) const
{
    if (m_file.width)
        return UIImage::imageWithBitmap(m_file, 1, m_name);
    auto width = static_cast<unsigned>(std::lround(size.width * scale));
    auto height = static_cast<unsigned>(std::lround(size.height * scale));
    // A screen-sized wallpaper is four megabytes at scale 2: drawn when first shown, not at boot.
    auto draw = [top = m_top, bottom = m_bottom, width, height] {
        Bitmap bitmap(width, height);
        // Every pixel of a row is the same: work out its first, then copy it along the row.
        for (unsigned y = 0; y < bitmap.height && bitmap.width; ++y) {
            double t = bitmap.height > 1 ? double(y) / (bitmap.height - 1) : 0;
            auto* first = bitmap.pixel(0, y);
            for (int c = 0; c < 3; ++c)
                first[c] = static_cast<std::uint8_t>(std::lround(top[c] + (bottom[c] - top[c]) * t));
            first[3] = 255;
            for (unsigned x = 1; x < bitmap.width; ++x)
                std::memcpy(bitmap.pixel(x, y), first, 4);
        }
        return bitmap;
    };
    return UIImage::imageDrawnWhenNeeded(width, height, draw, scale, m_name);
}
