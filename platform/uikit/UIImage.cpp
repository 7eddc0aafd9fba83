#include "uikit/UIImage.h"

#include "foundation/DeviceFileSystem.h"
#include "uikit/PNGFile.h"
#include "uikit/UIColor.h"
#include "uikit/UIScreen.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

// Resource files are small; anything larger is not one.
constexpr size_t maximumFileSize = 64 * 1024 * 1024;

struct PathParts {
    std::string_view folder; // with its trailing slash
    std::string_view stem; // without the scale suffix
    int scale; // 0 when the name has no suffix
    std::string_view extension; // with its dot
};

PathParts splitPath(std::string_view path)
{
    PathParts parts {};
    size_t slash = path.rfind('/');
    size_t nameStart = slash == std::string_view::npos ? 0 : slash + 1;
    parts.folder = path.substr(0, nameStart);
    std::string_view name = path.substr(nameStart);
    size_t dot = name.rfind('.');
    if (dot != std::string_view::npos && dot > 0) {
        parts.extension = name.substr(dot);
        name = name.substr(0, dot);
    }
    if (name.size() > 3 && name[name.size() - 3] == '@' && name.back() == 'x' && name[name.size() - 2] >= '1'
        && name[name.size() - 2] <= '9') {
        parts.scale = name[name.size() - 2] - '0';
        name.remove_suffix(3);
    }
    parts.stem = name;
    return parts;
}

std::shared_ptr<UIImage> readImage(const std::string& devicePath, CGFloat scale, std::string name)
{
    auto bytes = foundation::DeviceFileSystem::readFile(devicePath, maximumFileSize);
    if (!bytes)
        return nullptr;
    auto bitmap = PNGFile::decode(*bytes);
    if (!bitmap)
        return nullptr;
    return UIImage::imageWithBitmap(std::move(*bitmap), scale, std::move(name));
}

} // namespace

UIImage::UIImage(Bitmap bitmap, CGFloat scale, std::string name)
    : m_width(bitmap.width)
    , m_height(bitmap.height)
    , m_bitmap(std::move(bitmap))
    , m_scale(scale > 0 ? scale : 1)
    , m_name(std::move(name))
{
    if (m_bitmap.rgba.size() != size_t(m_bitmap.width) * m_bitmap.height * 4)
        throw std::invalid_argument("image pixels do not match its size");
}

UIImage::UIImage(
    unsigned width, unsigned height, std::function<Bitmap()> draw, CGFloat scale, std::string name)
    : m_width(width)
    , m_height(height)
    , m_drawnLater(true)
    , m_draw(std::move(draw))
    , m_scale(scale > 0 ? scale : 1)
    , m_name(std::move(name))
{
    if (!m_draw)
        throw std::invalid_argument("an image drawn later needs a drawing");
}

std::shared_ptr<UIImage> UIImage::imageWithBitmap(Bitmap bitmap, CGFloat scale, std::string name)
{
    return std::make_shared<UIImage>(std::move(bitmap), scale, std::move(name));
}

std::shared_ptr<UIImage> UIImage::imageDrawnWhenNeeded(
    unsigned width, unsigned height, std::function<Bitmap()> draw, CGFloat scale, std::string name)
{
    return std::make_shared<UIImage>(width, height, std::move(draw), scale, std::move(name));
}

const Bitmap& UIImage::bitmap() const
{
    if (m_drawnLater) {
        std::call_once(m_drawn, [this] {
            Bitmap drawn = m_draw();
            if (drawn.width != m_width || drawn.height != m_height
                || drawn.rgba.size() != size_t(m_width) * m_height * 4)
                throw std::logic_error("an image was drawn at another size than it promised");
            m_bitmap = std::move(drawn);
            // What the drawing held (its source) goes once it is done.
            m_draw = nullptr;
        });
    }
    return m_bitmap;
}

std::shared_ptr<UIImage> UIImage::imageWithContentsOfFile(std::string_view devicePath)
{
    auto parts = splitPath(devicePath);
    auto name = resourceNameForPath(devicePath);
    if (parts.scale)
        return readImage(std::string(devicePath), parts.scale, std::move(name));
    int screenScale = static_cast<int>(std::lround(UIScreen::mainScreen()->scale()));
    if (screenScale > 1) {
        std::string variant = std::string(parts.folder) + std::string(parts.stem) + "@"
            + std::to_string(screenScale) + "x" + std::string(parts.extension);
        if (auto image = readImage(variant, screenScale, name))
            return image;
    }
    return readImage(std::string(devicePath), 1, std::move(name));
}

std::string UIImage::resourceNameForPath(std::string_view devicePath)
{
    auto parts = splitPath(devicePath);
    std::string_view folder = parts.folder;
    constexpr std::string_view bundleMark = ".bundle/";
    size_t bundle = folder.rfind(bundleMark);
    folder
        = bundle == std::string_view::npos ? std::string_view {} : folder.substr(bundle + bundleMark.size());
    return std::string(folder) + std::string(parts.stem);
}

std::shared_ptr<UIImage> UIImage::imageWithTintColor(const UIColor& color) const
{
    auto toByte
        = [](double value) { return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 255.0))); };
    const std::uint8_t tint[3]
        = { toByte(color.red() * 255), toByte(color.green() * 255), toByte(color.blue() * 255) };
    Bitmap bitmap = this->bitmap();
    for (size_t i = 0; i < bitmap.rgba.size(); i += 4) {
        std::copy(tint, tint + 3, &bitmap.rgba[i]);
        bitmap.rgba[i + 3] = toByte(bitmap.rgba[i + 3] * color.alpha());
    }
    return imageWithBitmap(std::move(bitmap), m_scale, m_name);
}
