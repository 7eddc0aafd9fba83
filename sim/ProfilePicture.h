#pragma once

#include "uikit/Bitmap.h"
#include "uikit/CGGeometry.h"

#include <array>
#include <cstdint>
#include <memory>
#include <string>

class ProfileReader;
class UIImage;

// A picture a device profile names (wallpaper, artwork, app icons): a PNG file of this machine,
// its path relative to the profile, or {"top": "#rrggbb", "bottom": "#rrggbb"}, a gradient from
// top to bottom drawn at whatever size is asked.
class ProfilePicture {
public:
    using Colour = std::array<unsigned char, 3>;

    // Throws InputError when it is neither, or the file cannot be read as a PNG.
    // Larger files are refused before they are read: a picture of the largest screen is smaller.
    static constexpr std::uintmax_t maximumFileSize = 32 * 1024 * 1024;

    static ProfilePicture read(const ProfileReader&, const std::string& profileFolder);
    static ProfilePicture gradient(Colour top, Colour bottom);

    // A file keeps its own size; a gradient fills `size` points at `scale` pixels a point.
    std::shared_ptr<UIImage> image(CGSize size, CGFloat scale) const;

private:
    ProfilePicture() = default;

    Bitmap m_file;
    std::string m_name;
    Colour m_top {};
    Colour m_bottom {};
};
