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
// content. Keep one renderer for many frames: it caches what it converts. Making one installs the
// renderer's text metrics in the toolkit, so labels shrink by the widths they are drawn with.
// not implemented: partial mask opacity (a mask's fill colour only shows or hides), content modes
// other than scale-to-fill, and a blur inside a translucent ancestor sees only what that ancestor
// has drawn so far
class ViewRenderer {
public:
    explicit ViewRenderer(CGFloat scale);

    // The view and its subtree as they stand, with its frame's top left at the picture's origin,
    // cut to its frame, over black as on a screen.
    Picture render(const UIView& root);
    // What the screen shows: the window, laid out where layout is pending, and on top of it the
    // alerts that are up, topmost last.
    Picture renderScreen(UIView& window);
    // What the whole screen shows: every window UIApplication has on screen, bottom to top, laid
    // out where layout is pending, then the alerts that are up.
    Picture renderScreen();

private:
    Picture paint(const CGRect& area, const std::function<void(cairo_t*)>& draw);
    // Draws into a context whose user space is the superview's content coordinates, in points.
    void drawView(cairo_t*, const UIView&);
    // `beneath` holds what lies under the view, for effects that show it.
    void drawContent(cairo_t*, const UIView&, cairo_surface_t* beneath);
    static void clipToMask(cairo_t*, const CAShapeLayer&, CGPoint boundsOrigin);
    static void drawBorder(cairo_t*, const UIView&);

    CGFloat m_scale;
    ImageCache m_images;
    LabelPainter m_labels { m_images };
};

} // namespace render
