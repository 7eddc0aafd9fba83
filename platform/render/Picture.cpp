#include "render/Picture.h"

#include <stdexcept>
#include <utility>

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
    cairo_surface_flush(m_surface);
    if (cairo_surface_write_to_png(m_surface, path.c_str()) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot write PNG " + path);
}

} // namespace render
