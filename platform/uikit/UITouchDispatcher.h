#pragma once

#include <memory>
#include <vector>

class UIControl;
class UIGestureRecognizer;
class UITouch;
class UIView;

// Delivers one finger's touches to the gesture recognisers of the view it landed on and of that
// view's ancestors (deepest view first, each view's recognisers in the order they were added),
// and to the enabled control under it, and settles who wins:
// - a recogniser that recognises fails the others following the gesture that it can prevent
//   (a tap never prevents a tap that needs more taps) and cancels the control's touch;
// - a control keeps its own gesture from the recognisers of its ancestors (a button its single
//   tap), as the platform's controls do;
// - a recogniser still waiting for more touches (a double tap between its taps) fails when the
//   next touch lands where it does not see it.
// Finished recognisers go back to Possible when the next touch begins, once the actions they
// sent have run. Until then the dispatcher keeps their views, so a view taken out of its window
// under the finger (a table reloading its headers) still gets its gesture and its actions, as on
// the platform. One finger at a time; there is one dispatcher per simulated process.
class UITouchDispatcher {
public:
    static UITouchDispatcher& current();

    void touchBegan(const std::shared_ptr<UITouch>&);
    void touchMoved();
    void touchEnded();

    // Sent by a recogniser that has just recognised its gesture.
    void recognizerDidRecognize(UIGestureRecognizer&);

private:
    template <class Deliver> void deliver(Deliver&&);
    std::vector<std::shared_ptr<UIGestureRecognizer>> recognizersSeeing(
        const std::shared_ptr<UIView>& view, const UIControl* control) const;
    void failRecognizersLeftBehind(const std::vector<std::shared_ptr<UIGestureRecognizer>>& chain);
    void resetFinishedRecognizers();

    std::shared_ptr<UITouch> m_touch;
    // Every recogniser taking part in the gesture, including those of earlier touches still waiting.
    std::vector<std::shared_ptr<UIGestureRecognizer>> m_followers;
    // The followers' views, kept while the gesture goes on.
    std::vector<std::shared_ptr<UIView>> m_followedViews;
    // Those that see the current touch.
    std::vector<std::shared_ptr<UIGestureRecognizer>> m_receivers;
    std::shared_ptr<UIControl> m_trackingControl;
};
