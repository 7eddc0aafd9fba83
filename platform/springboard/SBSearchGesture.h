#pragma once

#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class SBSearchViewController;

// The drag that reveals the search page (9.x): from the top of the screen for edge 1, from its
// side for edge 8. The page's controller is built (through init) the first time. A drag sets the
// edge on the page and asks it back (presentsFromEdge, through the runtime), then moves the page
// and reports each step (updatePresentationProgress:); letting go of a page that came all the
// way in reports didFinishPresenting: YES, closing it reports NO and takes it away.
class SBSearchGesture : public NSObject {
    OBJC_CLASS(SBSearchGesture, NSObject)
public:
    static std::shared_ptr<SBSearchGesture> create() { return std::make_shared<SBSearchGesture>(); }
    static std::shared_ptr<SBSearchGesture> sharedInstance()
    {
        return dispatch::sharedInstance<SBSearchGesture>();
    }

    // Moves the page to the progress (0 to 1), beginning a drag from the edge if none is under
    // way. A page that is in stays.
    void reveal(long edge, double progress);
    // Ends the drag with the page in.
    void finishRevealing();
    void dismiss();
    // Places the page again after the screen turned.
    void updateForScreen();
    bool isPresented() const { return m_dragging || m_presented; }
    // Nothing until first revealed.
    const std::shared_ptr<SBSearchViewController>& searchViewController() const { return m_controller; }

private:
    void placePage(double progress);

    std::shared_ptr<SBSearchViewController> m_controller;
    long m_edge { 1 };
    double m_progress { 0 };
    bool m_dragging { false };
    bool m_presented { false };
};

} // namespace springboard
