#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// The search page's own content (9.x): a search field and suggestions. SpringBoard tells it the
// screen edge it is presented from before each presentation.
class SPUISearchViewController : public UIViewController {
    OBJC_CLASS(SPUISearchViewController, UIViewController)
public:
    // Makes the controller through the replaceable init.
    static std::shared_ptr<SPUISearchViewController> create();
    static void registerMethods(Class);

    void loadView() override;
    // Sent through the runtime.
    long presentsFromEdge();
    void setPresentationEdge(long edge) { m_edge = edge; }

private:
    id ownInit();
    long ownPresentsFromEdge() { return m_edge; }

    long m_edge { 1 };
};

} // namespace springboard
