#pragma once

#include "uikit/UIGestureRecognizerDelegate.h"
#include "uikit/UIView.h"

#include <memory>

class UIPanGestureRecognizer;

// A view onto content larger than itself. The content offset is the bounds' origin, as on the
// platform, so subviews placed in content coordinates move with it. A finger dragged across the
// view scrolls it (its pan recogniser, made by create), within the content: the offset stays
// between zero and the content size less the bounds size, and the pan does not begin when the
// content fits or scrolling is off.
// not implemented: bouncing, deceleration, zooming, scroll indicators (the platform shows them
// only while scrolling, so a still picture never has them), and, with canCancelContentTouches
// off, keeping content controls' touches once the view scrolls
class UIScrollView : public UIView, public UIGestureRecognizerDelegate {
    OBJC_CLASS(UIScrollView, UIView)
public:
    // Clips its content to its bounds, as the platform's scroll views do by default.
    UIScrollView() { setClipsToBounds(true); }
    explicit UIScrollView(CGRect frame)
        : UIView(frame)
    {
        setClipsToBounds(true);
    }
    // With the pan recogniser that scrolls it.
    static std::shared_ptr<UIScrollView> create(CGRect frame = CGRectZero);

    CGSize contentSize() const { return m_contentSize; }
    void setContentSize(CGSize size) { m_contentSize = size; }
    CGPoint contentOffset() const { return bounds().origin; }
    void setContentOffset(CGPoint offset, bool animated = false);

    bool isScrollEnabled() const { return m_scrollEnabled; }
    void setScrollEnabled(bool enabled) { m_scrollEnabled = enabled; }
    bool showsHorizontalScrollIndicator() const { return m_showsHorizontalScrollIndicator; }
    void setShowsHorizontalScrollIndicator(bool shows) { m_showsHorizontalScrollIndicator = shows; }
    bool showsVerticalScrollIndicator() const { return m_showsVerticalScrollIndicator; }
    void setShowsVerticalScrollIndicator(bool shows) { m_showsVerticalScrollIndicator = shows; }
    bool canCancelContentTouches() const { return m_canCancelContentTouches; }
    void setCanCancelContentTouches(bool can) { m_canCancelContentTouches = can; }
    bool bounces() const { return m_bounces; }
    void setBounces(bool bounces) { m_bounces = bounces; }
    bool alwaysBounceVertical() const { return m_alwaysBounceVertical; }
    void setAlwaysBounceVertical(bool bounce) { m_alwaysBounceVertical = bounce; }

    const std::shared_ptr<UIPanGestureRecognizer>& panGestureRecognizer() const { return m_pan; }
    bool gestureRecognizerShouldBegin(UIGestureRecognizer*) override;

    void dumpProperties(nlohmann::ordered_json& entry) const override;

protected:
    // Part of making a scroll view; subclasses' factories call it too.
    void installPanGestureRecognizer();
    // After every change of the offset, for content that follows what is on screen.
    virtual void contentOffsetDidChange() { }

private:
    void panned(UIPanGestureRecognizer*);
    CGPoint maximumOffset() const;

    CGSize m_contentSize {};
    bool m_scrollEnabled { true };
    bool m_showsHorizontalScrollIndicator { true };
    bool m_showsVerticalScrollIndicator { true };
    bool m_canCancelContentTouches { true };
    bool m_bounces { true };
    bool m_alwaysBounceVertical { false };
    std::shared_ptr<UIPanGestureRecognizer> m_pan;
    CGPoint m_offsetAtPanStart {};
};
