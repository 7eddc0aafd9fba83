#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// The search page (9.x), revealed by dragging from a screen edge.
class SBSearchViewController : public UIViewController {
    OBJC_CLASS(SBSearchViewController, UIViewController)
public:
    static void registerMethods(Class);
    // Makes the controller through the replaceable init.
    static std::shared_ptr<SBSearchViewController> create();

    void updatePresentationProgress(double progress);
    void didFinishPresenting(bool presented);
    double presentationProgress() const { return m_progress; }

private:
    id ownInit() { return this; }
    void ownUpdatePresentationProgress(double progress) { m_progress = progress; }
    void ownDidFinishPresenting(bool presented) { m_progress = presented ? 1 : 0; }

    double m_progress { 0 };
};

} // namespace springboard
