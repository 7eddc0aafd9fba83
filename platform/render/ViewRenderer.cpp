#include "render/ViewRenderer.h"

#include "render/BackdropBlur.h"
#include "render/PangoTextMetrics.h"
#include "render/PathBuilder.h"
#include "uikit/CAShapeLayer.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIApplication.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UIVisualEffectView.h"
#include "uikit/UIWindow.h"

#include <algorithm>
#include <cmath>

namespace render {

namespace {

void setSourceColor(cairo_t* cr, const UIColor& color)
{
    cairo_set_source_rgba(cr, color.red(), color.green(), color.blue(), color.alpha());
}

bool isVisible(const UIView& view)
{
    return !view.isHidden() && view.alpha() > 0;
}

CGRect unionRect(const CGRect& a, const CGRect& b)
{
    CGFloat minX = std::min(CGRectGetMinX(a), CGRectGetMinX(b));
    CGFloat minY = std::min(CGRectGetMinY(a), CGRectGetMinY(b));
    return CGRectMake(minX, minY, std::max(CGRectGetMaxX(a), CGRectGetMaxX(b)) - minX,
        std::max(CGRectGetMaxY(a), CGRectGetMaxY(b)) - minY);
}

// Maps a view's own drawing space (its bounds at the origin) into its superview's content space.
cairo_matrix_t placement(const UIView& view)
{
    const CGAffineTransform& t = view.transform();
    cairo_matrix_t matrix;
    cairo_matrix_init(&matrix, t.a, t.b, t.c, t.d, t.tx, t.ty);
    // The transform acts about the centre: centre the bounds on the origin, transform, then move
    // the result to the view's centre.
    cairo_matrix_t centred;
    cairo_matrix_init_translate(&centred, -view.bounds().size.width / 2, -view.bounds().size.height / 2);
    cairo_matrix_multiply(&matrix, &centred, &matrix);
    cairo_matrix_t atCenter;
    cairo_matrix_init_translate(&atCenter, view.center().x, view.center().y);
    cairo_matrix_multiply(&matrix, &matrix, &atCenter);
    return matrix;
}

// How far a label's text may reach beyond its bounds: lines are centred on it, whatever its height.
CGFloat textOverflow(const UILabel& label)
{
    CGFloat largest = 0;
    auto text = label.displayedText();
    for (const auto& run : text->runs()) {
        if (run.attributes.font)
            largest = std::max(largest, run.attributes.font->pointSize());
    }
    return largest * label.fontScale();
}

// Where a view and its subtree can leave paint, in its own drawing space.
CGRect drawingExtent(const UIView& view)
{
    CGRect extent = CGRectMake(0, 0, view.bounds().size.width, view.bounds().size.height);
    if (view.layer().masksToBounds())
        return extent;
    if (auto* label = dynamic_cast<const UILabel*>(&view)) {
        CGFloat overflow = textOverflow(*label);
        extent = CGRectMake(
            -overflow, -overflow, extent.size.width + 2 * overflow, extent.size.height + 2 * overflow);
    }
    for (const auto& child : view.subviews()) {
        if (!isVisible(*child))
            continue;
        CGRect inner = drawingExtent(*child);
        cairo_matrix_t matrix = placement(*child);
        double x0 = CGRectGetMinX(inner), y0 = CGRectGetMinY(inner);
        double x1 = CGRectGetMaxX(inner), y1 = CGRectGetMaxY(inner);
        double xs[] = { x0, x1, x0, x1 }, ys[] = { y0, y0, y1, y1 };
        for (int i = 0; i < 4; ++i) {
            cairo_matrix_transform_point(&matrix, &xs[i], &ys[i]);
            CGPoint corner = CGPointMake(xs[i] - view.bounds().origin.x, ys[i] - view.bounds().origin.y);
            extent = unionRect(extent, CGRectMake(corner.x, corner.y, 0, 0));
        }
    }
    return extent;
}

} // namespace

ViewRenderer::ViewRenderer(CGFloat scale)
    : m_scale(scale)
{
    PangoTextMetrics::install();
}

Picture ViewRenderer::render(const UIView& root)
{
    return paint(root.frame(), [&](cairo_t* cr) { drawView(cr, root); });
}

Picture ViewRenderer::renderScreen(UIView& window)
{
    window.layoutIfNeeded();
    auto alerts = UIAlertView::visibleAlerts();
    for (const auto& alert : alerts)
        alert->layoutIfNeeded();
    return paint(window.frame(), [&](cairo_t* cr) {
        drawView(cr, window);
        for (const auto& alert : alerts)
            drawView(cr, *alert);
    });
}

Picture ViewRenderer::renderScreen()
{
    auto windows = UIApplication::sharedApplication()->windowsOnScreen();
    auto alerts = UIAlertView::visibleAlerts();
    for (const auto& window : windows)
        window->layoutIfNeeded();
    for (const auto& alert : alerts)
        alert->layoutIfNeeded();
    return paint(UIScreen::mainScreen()->bounds(), [&](cairo_t* cr) {
        for (const auto& window : windows)
            drawView(cr, *window);
        for (const auto& alert : alerts)
            drawView(cr, *alert);
    });
}

Picture ViewRenderer::paint(const CGRect& area, const std::function<void(cairo_t*)>& draw)
{
    Picture picture(static_cast<int>(std::ceil(area.size.width * m_scale)),
        static_cast<int>(std::ceil(area.size.height * m_scale)));
    cairo_t* cr = cairo_create(picture.surface());
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_paint(cr);
    cairo_scale(cr, m_scale, m_scale);
    cairo_translate(cr, -area.origin.x, -area.origin.y);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_flush(picture.surface());
    return picture;
}

void ViewRenderer::drawView(cairo_t* cr, const UIView& view)
{
    if (!isVisible(view))
        return;
    cairo_save(cr);
    cairo_matrix_t matrix = placement(view);
    cairo_transform(cr, &matrix);
    const CALayer& layer = view.layer();
    CGRect box = CGRectMake(0, 0, view.bounds().size.width, view.bounds().size.height);
    bool translucent = view.alpha() < 1;
    cairo_surface_t* beneath = cairo_get_group_target(cr);
    if (translucent) {
        // The group need only cover what the subtree paints, not the whole screen.
        CGRect extent = drawingExtent(view);
        cairo_rectangle(
            cr, extent.origin.x - 2, extent.origin.y - 2, extent.size.width + 4, extent.size.height + 4);
        cairo_clip(cr);
        cairo_push_group(cr);
    }
    if (const auto& mask = layer.mask())
        clipToMask(cr, *mask, view.bounds().origin);
    if (const auto& color = view.backgroundColor(); color && color->alpha() > 0) {
        setSourceColor(cr, *color);
        PathBuilder::roundedRect(cr, box, layer.cornerRadius());
        cairo_fill(cr);
    }
    cairo_save(cr);
    if (layer.masksToBounds()) {
        PathBuilder::roundedRect(cr, box, layer.cornerRadius());
        cairo_clip(cr);
    }
    drawContent(cr, view, beneath);
    cairo_translate(cr, -view.bounds().origin.x, -view.bounds().origin.y);
    for (const auto& child : view.subviews())
        drawView(cr, *child);
    cairo_restore(cr);
    drawBorder(cr, view);
    if (translucent) {
        cairo_pop_group_to_source(cr);
        cairo_paint_with_alpha(cr, view.alpha());
    }
    cairo_restore(cr);
}

void ViewRenderer::clipToMask(cairo_t* cr, const CAShapeLayer& mask, CGPoint boundsOrigin)
{
    // A mask lives in the masked layer's bounds coordinates, like a sublayer.
    cairo_save(cr);
    cairo_translate(cr, mask.frame().origin.x - boundsOrigin.x, mask.frame().origin.y - boundsOrigin.y);
    cairo_new_path(cr);
    if (mask.path() && mask.fillColor() && mask.fillColor()->alpha() > 0)
        PathBuilder::append(cr, *mask.path());
    cairo_restore(cr);
    cairo_clip(cr);
}

void ViewRenderer::drawContent(cairo_t* cr, const UIView& view, cairo_surface_t* beneath)
{
    CGRect box = CGRectMake(0, 0, view.bounds().size.width, view.bounds().size.height);
    if (auto* label = dynamic_cast<const UILabel*>(&view)) {
        m_labels.paint(cr, *label);
    } else if (auto* imageView = dynamic_cast<const UIImageView*>(&view)) {
        m_images.draw(cr, imageView->displayedImage(), box);
    } else if (auto* effectView = dynamic_cast<const UIVisualEffectView*>(&view)) {
        if (auto blur = std::dynamic_pointer_cast<UIBlurEffect>(effectView->effect()))
            BackdropBlur::paint(cr, beneath, box, blur->style());
    }
}

void ViewRenderer::drawBorder(cairo_t* cr, const UIView& view)
{
    const CALayer& layer = view.layer();
    CGFloat width
        = std::min({ layer.borderWidth(), view.bounds().size.width / 2, view.bounds().size.height / 2 });
    if (width <= 0 || !layer.borderColor() || layer.borderColor()->alpha() <= 0)
        return;
    // The border lies inside the bounds, its outer edge following the corner radius.
    CGRect inset = CGRectMake(
        width / 2, width / 2, view.bounds().size.width - width, view.bounds().size.height - width);
    setSourceColor(cr, *layer.borderColor());
    PathBuilder::roundedRect(cr, inset, std::max(0.0, layer.cornerRadius() - width / 2));
    cairo_set_line_width(cr, width);
    cairo_stroke(cr);
}

} // namespace render
