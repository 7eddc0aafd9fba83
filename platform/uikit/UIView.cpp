#include "uikit/UIView.h"

#include "uikit/UIGestureRecognizer.h"
#include "uikit/UIWindow.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>

namespace {

bool isIdentity(const CGAffineTransform& t)
{
    return t == CGAffineTransformIdentity;
}

CGPoint applyLinear(const CGAffineTransform& t, CGPoint p)
{
    return CGPointMake(t.a * p.x + t.c * p.y, t.b * p.x + t.d * p.y);
}

std::optional<CGPoint> invertLinear(const CGAffineTransform& t, CGPoint p)
{
    CGFloat determinant = t.a * t.d - t.b * t.c;
    if (determinant == 0)
        return std::nullopt;
    return CGPointMake((t.d * p.x - t.c * p.y) / determinant, (t.a * p.y - t.b * p.x) / determinant);
}

CGRect boundingBox(const std::array<CGPoint, 4>& corners)
{
    CGFloat minX = corners[0].x, maxX = corners[0].x, minY = corners[0].y, maxY = corners[0].y;
    for (auto& corner : corners) {
        minX = std::min(minX, corner.x);
        maxX = std::max(maxX, corner.x);
        minY = std::min(minY, corner.y);
        maxY = std::max(maxY, corner.y);
    }
    return CGRectMake(minX, minY, maxX - minX, maxY - minY);
}

std::array<CGPoint, 4> cornersOf(const CGRect& r)
{
    CGFloat maxX = r.origin.x + r.size.width, maxY = r.origin.y + r.size.height;
    return { r.origin, CGPointMake(maxX, r.origin.y), CGPointMake(r.origin.x, maxY),
        CGPointMake(maxX, maxY) };
}

// Spreads a change of the superview's length over the flexible parts of one axis (leading
// margin, length, trailing margin) in proportion to their current lengths, as the platform does.
void resizeAxis(bool flexibleLeading, bool flexibleLength, bool flexibleTrailing, CGFloat& origin,
    CGFloat& length, CGFloat oldParentLength, CGFloat delta)
{
    CGFloat trailing = oldParentLength - origin - length;
    std::array<std::pair<bool, CGFloat>, 3> parts { { { flexibleLeading, origin }, { flexibleLength, length },
        { flexibleTrailing, trailing } } };
    CGFloat total = 0;
    int count = 0;
    for (auto& [flexible, value] : parts) {
        if (flexible) {
            total += std::max(0.0, value);
            ++count;
        }
    }
    if (!count)
        return;
    auto share
        = [&](CGFloat value) { return total > 0 ? delta * std::max(0.0, value) / total : delta / count; };
    if (flexibleLeading)
        origin += share(origin);
    if (flexibleLength)
        length = std::max(0.0, length + share(length));
}

} // namespace

UIView::UIView(CGRect frame)
{
    setFrame(frame);
}

CGRect UIView::frame() const
{
    CGSize size = m_bounds.size;
    if (isIdentity(m_transform))
        return CGRectMake(m_center.x - size.width / 2, m_center.y - size.height / 2, size.width, size.height);
    auto corners = cornersOf(CGRectMake(-size.width / 2, -size.height / 2, size.width, size.height));
    for (auto& corner : corners) {
        corner = applyLinear(m_transform, corner);
        corner.x += m_center.x + m_transform.tx;
        corner.y += m_center.y + m_transform.ty;
    }
    return boundingBox(corners);
}

void UIView::setFrame(CGRect frame)
{
    CGSize oldSize = m_bounds.size;
    const auto& t = m_transform;
    m_center = CGPointMake(
        frame.origin.x + frame.size.width / 2 - t.tx, frame.origin.y + frame.size.height / 2 - t.ty);
    if (isIdentity(t))
        m_bounds.size = frame.size;
    else if (t.b == 0 && t.c == 0 && t.a != 0 && t.d != 0)
        m_bounds.size = CGSizeMake(frame.size.width / std::abs(t.a), frame.size.height / std::abs(t.d));
    if (oldSize != m_bounds.size)
        applyAutoresizing(oldSize);
}

void UIView::setBounds(CGRect bounds)
{
    CGSize oldSize = m_bounds.size;
    m_bounds = bounds;
    if (oldSize != bounds.size)
        applyAutoresizing(oldSize);
}

void UIView::setCenter(CGPoint center)
{
    m_center = center;
}

void UIView::applyAutoresizing(CGSize oldSize)
{
    setNeedsLayout();
    CGFloat dw = m_bounds.size.width - oldSize.width;
    CGFloat dh = m_bounds.size.height - oldSize.height;
    for (auto& subview : m_subviews) {
        unsigned mask = subview->autoresizingMask();
        if (mask == UIViewAutoresizingNone)
            continue;
        CGRect frame = subview->frame();
        resizeAxis(mask & UIViewAutoresizingFlexibleLeftMargin, mask & UIViewAutoresizingFlexibleWidth,
            mask & UIViewAutoresizingFlexibleRightMargin, frame.origin.x, frame.size.width, oldSize.width,
            dw);
        resizeAxis(mask & UIViewAutoresizingFlexibleTopMargin, mask & UIViewAutoresizingFlexibleHeight,
            mask & UIViewAutoresizingFlexibleBottomMargin, frame.origin.y, frame.size.height, oldSize.height,
            dh);
        if (frame != subview->frame())
            subview->setFrame(frame);
    }
}

void UIView::addSubview(const std::shared_ptr<UIView>& view)
{
    insertSubviewAtIndex(view, m_subviews.size());
}

void UIView::insertSubviewAtIndex(const std::shared_ptr<UIView>& view, size_t index)
{
    if (!view || view.get() == this)
        return;
    auto keepAlive = view;
    if (view->superview().get() == this) {
        auto position = std::find(m_subviews.begin(), m_subviews.end(), view);
        if (static_cast<size_t>(position - m_subviews.begin()) < index)
            --index;
        m_subviews.erase(position);
    } else {
        view->removeFromSuperview();
    }
    index = std::min(index, m_subviews.size());
    m_subviews.insert(m_subviews.begin() + static_cast<std::ptrdiff_t>(index), view);
    view->m_superview = std::static_pointer_cast<UIView>(shared_from_this());
    setNeedsLayout();
}

void UIView::removeFromSuperview()
{
    auto parent = superview();
    if (!parent)
        return;
    auto keepAlive = std::static_pointer_cast<UIView>(shared_from_this());
    auto& siblings = parent->m_subviews;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), keepAlive), siblings.end());
    m_superview.reset();
}

void UIView::bringSubviewToFront(const std::shared_ptr<UIView>& view)
{
    if (view && view->superview().get() == this)
        insertSubviewAtIndex(view, m_subviews.size());
}

void UIView::sendSubviewToBack(const std::shared_ptr<UIView>& view)
{
    if (view && view->superview().get() == this)
        insertSubviewAtIndex(view, 0);
}

bool UIView::isDescendantOfView(const UIView* view) const
{
    for (const UIView* current = this; current; current = current->m_superview.lock().get()) {
        if (current == view)
            return true;
    }
    return false;
}

std::shared_ptr<UIWindow> UIView::window() const
{
    std::shared_ptr<const UIView> current = std::static_pointer_cast<const UIView>(shared_from_this());
    while (current) {
        if (auto window = std::dynamic_pointer_cast<const UIWindow>(current))
            return std::const_pointer_cast<UIWindow>(window);
        current = current->superview();
    }
    return nullptr;
}

void UIView::layoutIfNeeded()
{
    if (m_needsLayout) {
        m_needsLayout = false;
        layoutSubviews();
    }
    auto children = m_subviews;
    for (auto& child : children)
        child->layoutIfNeeded();
}

void UIView::addGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer)
{
    if (!recognizer)
        return;
    if (auto previous = recognizer->view())
        previous->removeGestureRecognizer(recognizer);
    m_gestureRecognizers.push_back(recognizer);
    recognizer->setView(std::static_pointer_cast<UIView>(shared_from_this()));
}

void UIView::removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>& recognizer)
{
    auto& list = m_gestureRecognizers;
    auto found = std::find(list.begin(), list.end(), recognizer);
    if (found == list.end())
        return;
    list.erase(found);
    recognizer->setView({});
}

CGPoint UIView::pointToSuperview(CGPoint point) const
{
    CGPoint mid = CGPointMake(CGRectGetMidX(m_bounds), CGRectGetMidY(m_bounds));
    CGPoint moved = applyLinear(m_transform, CGPointMake(point.x - mid.x, point.y - mid.y));
    return CGPointMake(m_center.x + m_transform.tx + moved.x, m_center.y + m_transform.ty + moved.y);
}

std::optional<CGPoint> UIView::pointFromSuperview(CGPoint point) const
{
    auto local = invertLinear(m_transform,
        CGPointMake(point.x - m_center.x - m_transform.tx, point.y - m_center.y - m_transform.ty));
    if (!local)
        return std::nullopt;
    return CGPointMake(local->x + CGRectGetMidX(m_bounds), local->y + CGRectGetMidY(m_bounds));
}

// The root view's frame places the whole tree: for a window that is its place on the screen.
CGPoint UIView::pointToWindow(CGPoint point) const
{
    CGPoint result = point;
    for (const UIView* view = this; view; view = view->m_superview.lock().get())
        result = view->pointToSuperview(result);
    return result;
}

std::optional<CGPoint> UIView::pointFromWindow(CGPoint point) const
{
    std::vector<const UIView*> chain;
    for (const UIView* view = this; view; view = view->m_superview.lock().get())
        chain.push_back(view);
    std::optional<CGPoint> result = point;
    for (auto it = chain.rbegin(); it != chain.rend() && result; ++it)
        result = (*it)->pointFromSuperview(*result);
    return result;
}

CGPoint UIView::convertPointToView(CGPoint point, const UIView* view) const
{
    CGPoint inWindow = pointToWindow(point);
    return view ? view->pointFromWindow(inWindow).value_or(CGPointZero()) : inWindow;
}

CGPoint UIView::convertPointFromView(CGPoint point, const UIView* view) const
{
    CGPoint inWindow = view ? view->pointToWindow(point) : point;
    return pointFromWindow(inWindow).value_or(CGPointZero());
}

CGRect UIView::convertRectToView(CGRect rect, const UIView* view) const
{
    auto corners = cornersOf(rect);
    for (auto& corner : corners)
        corner = convertPointToView(corner, view);
    return boundingBox(corners);
}

bool UIView::pointInside(CGPoint point) const
{
    return CGRectContainsPoint(m_bounds, point);
}

std::shared_ptr<UIView> UIView::hitTest(CGPoint point)
{
    if (m_hidden || m_alpha < 0.01 || !m_userInteractionEnabled || !pointInside(point))
        return nullptr;
    for (auto it = m_subviews.rbegin(); it != m_subviews.rend(); ++it) {
        auto& child = *it;
        auto inChild = child->pointFromSuperview(point);
        if (!inChild)
            continue;
        if (auto hit = child->hitTest(*inChild))
            return hit;
    }
    return std::static_pointer_cast<UIView>(shared_from_this());
}

void UIView::dumpProperties(nlohmann::ordered_json& entry) const
{
    entry["class"] = className();
    if (!m_accessibilityIdentifier.empty())
        entry["id"] = m_accessibilityIdentifier;
    if (m_tag)
        entry["tag"] = m_tag;
    entry["frame"] = ViewDump::rect(frame());
    entry["screenFrame"] = ViewDump::rect(convertRectToView(m_bounds, nullptr));
    if (m_bounds.origin != CGPointZero())
        entry["boundsOrigin"] = ViewDump::point(m_bounds.origin);
    if (!isIdentity(m_transform)) {
        const auto& t = m_transform;
        entry["transform"] = nlohmann::ordered_json::array({ ViewDump::number(t.a), ViewDump::number(t.b),
            ViewDump::number(t.c), ViewDump::number(t.d), ViewDump::number(t.tx), ViewDump::number(t.ty) });
    }
    entry["hidden"] = m_hidden;
    entry["alpha"] = ViewDump::number(m_alpha);
    entry["interaction"] = m_userInteractionEnabled;
    if (m_backgroundColor)
        entry["backgroundColor"] = m_backgroundColor->hexString();
    if (auto layer = ViewDump::layer(*m_layer); !layer.empty())
        entry["layer"] = std::move(layer);
}

std::string UIView::recursiveDescription() const
{
    return ViewDump::recursiveDescription(*this);
}
