#include "springboard/SBSearchGesture.h"

#include "springboard/Device.h"
#include "springboard/FBRootWindow.h"
#include "springboard/SBSearchViewController.h"
#include "springboard/SPUISearchViewController.h"
#include "springboard/SpringBoard.h"

#include <algorithm>

namespace springboard {

void SBSearchGesture::reveal(long edge, double progress)
{
    if (m_presented)
        return;
    if (!m_controller)
        m_controller = SBSearchViewController::create();
    if (!isPresented()) {
        if (auto& page = m_controller->searchViewController()) {
            page->setPresentationEdge(edge);
            m_edge = page->presentsFromEdge();
        }
        m_controller->beginAppearanceTransition(true, true);
        if (auto& root = SpringBoard::current().rootWindow())
            root->addSubviewInLayer(m_controller->view(), RootWindowLayer::SearchPage);
        m_dragging = true;
    }
    placePage(progress);
    m_controller->updatePresentationProgress(progress);
}

void SBSearchGesture::finishRevealing()
{
    if (!m_dragging)
        return;
    placePage(1);
    m_dragging = false;
    m_presented = true;
    m_controller->didFinishPresenting(true);
    m_controller->endAppearanceTransition();
}

void SBSearchGesture::dismiss()
{
    if (!isPresented())
        return;
    m_dragging = false;
    m_presented = false;
    m_controller->beginAppearanceTransition(false, true);
    m_controller->didFinishPresenting(false);
    m_controller->view()->removeFromSuperview();
    m_controller->endAppearanceTransition();
}

void SBSearchGesture::updateForScreen()
{
    if (isPresented())
        placePage(m_progress);
}

void SBSearchGesture::placePage(double progress)
{
    m_progress = progress;
    CGRect screen = currentDevice().screenBounds();
    double hidden = 1 - std::clamp(progress, 0.0, 1.0);
    if (m_edge == 1)
        screen.origin.y = -screen.size.height * hidden;
    else
        screen.origin.x = -screen.size.width * hidden;
    m_controller->view()->setFrame(screen);
}

} // namespace springboard
