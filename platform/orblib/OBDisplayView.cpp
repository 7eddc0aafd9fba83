#include "contracts/OBDisplayView.h"

#include "contracts/OBDisplayViewProtocol.h"

#include "dispatch/RunLoop.h"
#include "orblib/ActiveOrientation.h"
#include "orblib/DisplayCloseGestureRecognizer.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIVisualEffectView.h"

#include <utility>

namespace {

// Alpha changes this many times in a fade.
constexpr int fadeSteps = 10;

constexpr unsigned flexibleSize = UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight;

} // namespace

OBDisplayView::OBDisplayView() = default;
OBDisplayView::~OBDisplayView() = default;

bool OBDisplayView::init()
{
    m_displayContainerView = UIView::create();
    m_displayContainerView->setAccessibilityIdentifier("displayContainerView");
    m_displayContainerView->setAutoresizingMask(flexibleSize);
    auto backdrop = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    backdrop->setAccessibilityIdentifier("backdropView");
    backdrop->setAutoresizingMask(flexibleSize);
    backdrop->setUserInteractionEnabled(false);
    m_displayContainerView->addSubview(backdrop);
    updateFrameForActiveOrientation();

    auto close = std::make_shared<orblib::DisplayCloseGestureRecognizer>(
        objc::retain(this), &OBDisplayView::closeGestureRecognized);
    close->setDirection(UISwipeGestureRecognizerDirectionDown);
    addGestureRecognizer(close);
    return true;
}

void OBDisplayView::closeGestureRecognized(UISwipeGestureRecognizer*)
{
    if (!m_active)
        return;
    if (auto* subclass = dynamic_cast<OBDisplayViewProtocol*>(this)) {
        subclass->hide();
        return;
    }
    std::weak_ptr<OBDisplayView> weakSelf = objc::retain(this);
    hideWithCompletion([weakSelf] {
        if (auto self = weakSelf.lock())
            self->setHidden(true);
    });
}

void OBDisplayView::showWithCompletion(std::function<void()> completion)
{
    finishFade();
    m_active = true;
    if (isHidden()) {
        setAlpha(0);
        setHidden(false);
    }
    if (auto parent = superview())
        parent->bringSubviewToFront(objc::retain(this));
    fadeTo(1, std::move(completion));
}

void OBDisplayView::hideWithCompletion(std::function<void()> completion)
{
    finishFade();
    m_active = false;
    fadeTo(0, std::move(completion));
}

void OBDisplayView::updateFrameForActiveOrientation()
{
    CGRect screen = orblib::screenBoundsForActiveOrientation();
    setFrame(screen);
    if (m_displayContainerView)
        m_displayContainerView->setFrame(screen);
}

void OBDisplayView::fadeTo(CGFloat target, std::function<void()> completion)
{
    m_pendingCompletion = std::move(completion);
    const unsigned animation = ++m_animation;
    const CGFloat from = this->alpha();
    std::weak_ptr<OBDisplayView> weakSelf = objc::retain(this);
    for (int step = 1; step <= fadeSteps; ++step) {
        dispatch::RunLoop::main().postAfter(animationDuration * step / fadeSteps, [=] {
            auto self = weakSelf.lock();
            if (!self || self->m_animation != animation)
                return;
            self->setAlpha(from + (target - from) * step / fadeSteps);
            if (step == fadeSteps)
                self->finishFade();
        });
    }
}

void OBDisplayView::finishFade()
{
    ++m_animation;
    if (auto completion = std::exchange(m_pendingCompletion, nullptr))
        completion();
}
