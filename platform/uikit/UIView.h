#pragma once

#include "uikit/CALayer.h"
#include "uikit/CGGeometry.h"
#include "uikit/UIColor.h"
#include "uikit/UIResponder.h"

#include <nlohmann/json_fwd.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class UIGestureRecognizer;
class UIWindow;

enum UIViewAutoresizing : unsigned {
    UIViewAutoresizingNone = 0,
    UIViewAutoresizingFlexibleLeftMargin = 1 << 0,
    UIViewAutoresizingFlexibleWidth = 1 << 1,
    UIViewAutoresizingFlexibleRightMargin = 1 << 2,
    UIViewAutoresizingFlexibleTopMargin = 1 << 3,
    UIViewAutoresizingFlexibleHeight = 1 << 4,
    UIViewAutoresizingFlexibleBottomMargin = 1 << 5,
};

// A rectangle of the screen with its subviews. Geometry follows the platform: the frame is in
// the superview's coordinates, the bounds in the view's own; the centre moves the frame. The
// transform applies about the centre: with one in force the frame is the box around the
// transformed bounds, and setting a frame sets the centre and, for a pure scale, the bounds size
// that the scale turns into the frame's size.
class UIView : public UIResponder {
    OBJC_CLASS(UIView, UIResponder)
public:
    UIView() = default;
    explicit UIView(CGRect frame);
    static std::shared_ptr<UIView> create(CGRect frame = CGRectZero)
    {
        return std::make_shared<UIView>(frame);
    }

    CGRect frame() const;
    virtual void setFrame(CGRect);
    CGRect bounds() const { return m_bounds; }
    void setBounds(CGRect);
    CGPoint center() const { return m_center; }
    void setCenter(CGPoint);
    const CGAffineTransform& transform() const { return m_transform; }
    void setTransform(const CGAffineTransform& transform) { m_transform = transform; }
    // The support library's size accessors.
    CGFloat width() const { return m_bounds.size.width; }
    CGFloat height() const { return m_bounds.size.height; }

    bool isHidden() const { return m_hidden; }
    void setHidden(bool hidden) { m_hidden = hidden; }
    CGFloat alpha() const { return m_alpha; }
    void setAlpha(CGFloat alpha) { m_alpha = alpha; }
    const std::shared_ptr<UIColor>& backgroundColor() const { return m_backgroundColor; }
    void setBackgroundColor(std::shared_ptr<UIColor> color) { m_backgroundColor = std::move(color); }
    bool isUserInteractionEnabled() const { return m_userInteractionEnabled; }
    void setUserInteractionEnabled(bool enabled) { m_userInteractionEnabled = enabled; }
    unsigned autoresizingMask() const { return m_autoresizingMask; }
    void setAutoresizingMask(unsigned mask) { m_autoresizingMask = mask; }
    const std::string& accessibilityIdentifier() const { return m_accessibilityIdentifier; }
    void setAccessibilityIdentifier(std::string identifier)
    {
        m_accessibilityIdentifier = std::move(identifier);
    }
    long tag() const { return m_tag; }
    void setTag(long tag) { m_tag = tag; }
    CALayer& layer() { return *m_layer; }
    const CALayer& layer() const { return *m_layer; }
    bool clipsToBounds() const { return m_layer->masksToBounds(); }
    void setClipsToBounds(bool clips) { m_layer->setMasksToBounds(clips); }

    std::shared_ptr<UIView> superview() const { return m_superview.lock(); }
    const std::vector<std::shared_ptr<UIView>>& subviews() const { return m_subviews; }
    void addSubview(const std::shared_ptr<UIView>& view);
    void insertSubviewAtIndex(const std::shared_ptr<UIView>& view, size_t index);
    void removeFromSuperview();
    void bringSubviewToFront(const std::shared_ptr<UIView>& view);
    void sendSubviewToBack(const std::shared_ptr<UIView>& view);
    bool isDescendantOfView(const UIView* view) const;
    // The window this view is in, or nothing.
    std::shared_ptr<UIWindow> window() const;

    virtual void layoutSubviews() { }
    void setNeedsLayout() { m_needsLayout = true; }
    bool needsLayout() const { return m_needsLayout; }
    // Runs layoutSubviews where it is needed, in this view and below.
    void layoutIfNeeded();

    const std::vector<std::shared_ptr<UIGestureRecognizer>>& gestureRecognizers() const
    {
        return m_gestureRecognizers;
    }
    void addGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>&);
    void removeGestureRecognizer(const std::shared_ptr<UIGestureRecognizer>&);

    CGPoint convertPointToView(CGPoint point, const UIView* view) const;
    CGPoint convertPointFromView(CGPoint point, const UIView* view) const;
    CGRect convertRectToView(CGRect rect, const UIView* view) const;
    virtual bool pointInside(CGPoint point) const;
    // The deepest visible view under the point that takes touches: hidden views, nearly
    // transparent views and views without user interaction take none, with their subtrees.
    virtual std::shared_ptr<UIView> hitTest(CGPoint point);

    // Adds this view's properties to its entry in a view-tree dump (ViewDump). A subclass calls
    // super first, then adds its own keys; docs/view-dump.md lists them.
    virtual void dumpProperties(nlohmann::ordered_json& entry) const;
    // The indented one-line-per-view text of the tree below this view.
    std::string recursiveDescription() const;

private:
    void applyAutoresizing(CGSize oldSize);
    CGPoint pointToSuperview(CGPoint point) const;
    // Nothing when the transform cannot be undone (a zero scale).
    std::optional<CGPoint> pointFromSuperview(CGPoint point) const;
    CGPoint pointToWindow(CGPoint point) const;
    std::optional<CGPoint> pointFromWindow(CGPoint point) const;

    CGRect m_bounds {};
    CGPoint m_center {};
    CGAffineTransform m_transform {};
    bool m_hidden { false };
    CGFloat m_alpha { 1 };
    std::shared_ptr<UIColor> m_backgroundColor;
    bool m_userInteractionEnabled { true };
    unsigned m_autoresizingMask { UIViewAutoresizingNone };
    std::string m_accessibilityIdentifier;
    long m_tag { 0 };
    std::shared_ptr<CALayer> m_layer { std::make_shared<CALayer>() };
    std::weak_ptr<UIView> m_superview;
    std::vector<std::shared_ptr<UIView>> m_subviews;
    std::vector<std::shared_ptr<UIGestureRecognizer>> m_gestureRecognizers;
    bool m_needsLayout { true };
};
