// Snapshots are written by our own fast encoder rather than cairo's: whatever they show must read
// back pixel for pixel as cairo's file of the same picture does, so that references still match.
#include "render/Picture.h"

#include <gtest/gtest.h>

#include <cairo.h>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// Every level of alpha over colours of every level, and a gradient, as a screen would not have.
render::Picture paintedPicture(bool opaque, int width = 256)
{
    render::Picture picture(width, 96);
    cairo_t* cr = cairo_create(picture.surface());
    for (int x = 0; x < 256; ++x) {
        cairo_set_source_rgba(
            cr, x / 255.0, (255 - x) / 255.0, (x * 7 % 256) / 255.0, opaque ? 1 : x / 255.0);
        cairo_rectangle(cr, x, 0, 1, 64);
        cairo_fill(cr);
    }
    cairo_pattern_t* gradient = cairo_pattern_create_linear(0, 64, 0, 96);
    cairo_pattern_add_color_stop_rgba(gradient, 0, 0.1, 0.5, 0.9, 1);
    cairo_pattern_add_color_stop_rgba(gradient, 1, 0.9, 0.3, 0.1, opaque ? 1 : 0.2);
    cairo_set_source(cr, gradient);
    cairo_rectangle(cr, 0, 64, width, 32);
    cairo_fill(cr);
    cairo_pattern_destroy(gradient);
    cairo_destroy(cr);
    cairo_surface_flush(picture.surface());
    return picture;
}

// The colour type byte of the header: 2 RGB, 6 RGBA.
int colourType(const fs::path& path)
{
    std::ifstream file(path, std::ios::binary);
    char header[26] {};
    file.read(header, sizeof header);
    return header[25];
}

} // namespace

TEST(PictureFile, ReadsBackAsCairosOwnFileOfThePictureDoes)
{
    auto folder = fs::temp_directory_path() / ("lumora-picture-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    for (auto [opaque, width] :
        { std::pair(true, 256), std::pair(false, 256), std::pair(true, 131), std::pair(false, 1) }) {
        SCOPED_TRACE(std::string(opaque ? "opaque" : "translucent") + ", " + std::to_string(width) + " wide");
        auto picture = paintedPicture(opaque, width);
        auto ours = folder / "ours.png", cairos = folder / "cairos.png";
        picture.writePNG(ours.string());
        ASSERT_EQ(cairo_surface_write_to_png(picture.surface(), cairos.c_str()), CAIRO_STATUS_SUCCESS);

        EXPECT_EQ(colourType(ours), colourType(cairos));
        EXPECT_EQ(colourType(ours), opaque ? 2 : 6);
        auto oursRead = render::Picture::readPNG(ours.string());
        auto cairosRead = render::Picture::readPNG(cairos.string());
        ASSERT_EQ(oursRead.width(), width);
        ASSERT_EQ(oursRead.height(), 96);
        int differing = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < width; ++x)
                differing += oursRead.pixel(x, y) != cairosRead.pixel(x, y);
        }
        EXPECT_EQ(differing, 0);
    }
    EXPECT_THROW(paintedPicture(true).writePNG((folder / "missing/x.png").string()), std::runtime_error);
    fs::remove_all(folder);
}
