#include "contracts/OBContainerView.h"

#include "objc/Runtime.h"
#include "orblib/ActiveOrientation.h"
#include "uikit/UITapGestureRecognizer.h"

OBContainerWindow::OBContainerWindow(const std::shared_ptr<OBContainerView>& containerView)
    : m_containerView(containerView)
{ }

void OBContainerWindow::enableTapToTerminate()
{
    if (m_tapToTerminate)
        return;
    m_tapToTerminate = true;
    // The recogniser lives in the window: its target must not hold the window.
    std::weak_ptr<OBContainerWindow> weakSelf = objc::retain(this);
    auto recognizer = std::make_shared<UITapGestureRecognizer>();
    recognizer->addTarget([weakSelf](UIGestureRecognizer*) {
        if (auto self = weakSelf.lock())
            self->terminate(nullptr);
    });
    addGestureRecognizer(recognizer);
}

void OBContainerWindow::terminate(UITapGestureRecognizer*)
{
    if (auto containerView = m_containerView.lock())
        containerView->hide();
}

OBContainerView::OBContainerView() = default;
OBContainerView::~OBContainerView() = default;

bool OBContainerView::init()
{
    m_containerWindow = std::make_shared<OBContainerWindow>(objc::retain(this));
    m_containerWindow->setAccessibilityIdentifier("containerWindow");
    m_containerWindow->setFrame(orblib::screenBoundsForActiveOrientation());
    m_containerWindow->setWindowLevel(UIWindowLevelStatusBar);
    m_containerWindow->setHidden(true);
    // Shown, the view and its window hold each other: the end of the process closes it.
    std::weak_ptr<OBContainerView> weakSelf = objc::retain(this);
    objc::Runtime::atProcessEnd(objc::ProcessEndStage::Overlays, [weakSelf] {
        if (auto self = weakSelf.lock())
            self->hide();
    });
    return true;
}

void OBContainerView::show()
{
    if (m_active || !m_containerWindow)
        return;
    m_active = true;
    OBContainerView::updateFrame();
    if (superview() != m_containerWindow)
        m_containerWindow->addSubview(objc::retain(this));
    setHidden(false);
    m_containerWindow->makeKeyAndVisible();
    viewWillShow();
    viewDidShow();
}

void OBContainerView::hide()
{
    if (!m_active)
        return;
    viewWillHide();
    m_containerWindow->setHidden(true);
    // Out of the window while hidden: the window is ours, and a view inside it would hold us
    // in a cycle.
    removeFromSuperview();
    m_active = false;
    viewDidHide();
}

void OBContainerView::updateFrame()
{
    CGRect screen = orblib::screenBoundsForActiveOrientation();
    if (m_containerWindow)
        m_containerWindow->setFrame(screen);
    setFrame(screen);
}

bool OBContainerView::isPortrait() const
{
    return orblib::springBoardOrientation() == 1;
}
