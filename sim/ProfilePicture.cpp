#include "ProfilePicture.h"

#include "InputError.h"
#include "ProfileReader.h"

#include "uikit/PNGFile.h"
#include "uikit/UIImage.h"

#include <cmath>
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
    Bitmap bitmap(static_cast<unsigned>(std::lround(size.width * scale)),
        static_cast<unsigned>(std::lround(size.height * scale)));
    for (unsigned y = 0; y < bitmap.height; ++y) {
        double t = bitmap.height > 1 ? double(y) / (bitmap.height - 1) : 0;
        for (unsigned x = 0; x < bitmap.width; ++x) {
            auto* pixel = bitmap.pixel(x, y);
            for (int c = 0; c < 3; ++c)
                pixel[c] = static_cast<std::uint8_t>(std::lround(m_top[c] + (m_bottom[c] - m_top[c]) * t));
            pixel[3] = 255;
        }
    }
    return UIImage::imageWithBitmap(std::move(bitmap), scale, m_name);
}
