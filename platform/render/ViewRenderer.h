#pragma once

#include "render/ImageCache.h"
#include "render/LabelPainter.h"
#include "render/Picture.h"
#include "uikit/CGGeometry.h"

#include <cairo.h>

#include <functional>

class CAShapeLayer;
class UIView;

namespace render {

// Draws a view tree the way the screen shows it: background colours with alpha, corner radii,
// clipping, borders, masks, transforms about the centre, scroll offsets, and each class's own
// content. Keep one renderer for many frames: it caches what it converts.
class ViewRenderer {
public:
    explicit ViewRenderer(CGFloat scale);

    CGFloat scale() const { return m_scale; }
    // The view and its subtree as they stand, with its frame's top left at the picture's origin,
    // cut to its frame, over black as on a screen.
    Picture render(const UIView& root);
    // What the screen shows: the window, laid out where layout is pending, and on top of it the
    // alerts that are up, topmost last.
    Picture renderScreen(UIView& window);
    // Draws into a context whose user space is the superview's content coordinates, in points.
    void drawView(cairo_t*, const UIView&);

private:
    Picture paint(const CGRect& area, const std::function<void(cairo_t*)>& draw);
    // `beneath` holds what lies under the view, for effects that show it.
    void drawContent(cairo_t*, const UIView&, cairo_surface_t* beneath);
    static void clipToMask(cairo_t*, const CAShapeLayer&, CGPoint boundsOrigin);
    static void drawBorder(cairo_t*, const UIView&);

    CGFloat m_scale;
    ImageCache m_images;
    LabelPainter m_labels { m_images };
};

} // namespace render
