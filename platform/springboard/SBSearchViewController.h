#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

class SPUINavigationController;
class SPUISearchViewController;

// The search page (9.x). Its init, sent through the runtime, makes the page's content
// controller (SPUISearchViewController, through its init) and the navigation controller around
// it (SPUINavigationController, through initWithRootViewController:). SBSearchGesture moves the
// page and tells it how far it has come (updatePresentationProgress:) and when the drag ended
// (didFinishPresenting:), both sent through the runtime.
class SBSearchViewController : public UIViewController {
    OBJC_CLASS(SBSearchViewController, UIViewController)
public:
    // Makes the controller through the replaceable init.
    static std::shared_ptr<SBSearchViewController> create();
    static void registerMethods(Class);

    void loadView() override;
    void updatePresentationProgress(double progress);
    void didFinishPresenting(bool presented);

    const std::shared_ptr<SPUISearchViewController>& searchViewController() const
    {
        return m_searchViewController;
    }
    const std::shared_ptr<SPUINavigationController>& navigationController() const
    {
        return m_navigationController;
    }
    // What the controller last heard.
    double presentationProgress() const { return m_progress; }

private:
    id ownInit();
    void ownUpdatePresentationProgress(double progress);
    void ownDidFinishPresenting(bool presented);

    std::shared_ptr<SPUISearchViewController> m_searchViewController;
    std::shared_ptr<SPUINavigationController> m_navigationController;
    double m_progress { 0 };
};

} // namespace springboard
