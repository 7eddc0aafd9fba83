#pragma once

#include "uikit/UIViewController.h"

namespace springboard {

// The search page's own content (9.x), presented from one screen edge.
class SPUISearchViewController : public UIViewController {
    OBJC_CLASS(SPUISearchViewController, UIViewController)
public:
    static void registerMethods(Class);
    // Makes the controller through the replaceable init.
    static std::shared_ptr<SPUISearchViewController> createFromEdge(long edge);

    long presentsFromEdge();

private:
    id ownInit() { return this; }
    long ownPresentsFromEdge() { return m_edge; }

    long m_edge { 1 };
};

} // namespace springboard
