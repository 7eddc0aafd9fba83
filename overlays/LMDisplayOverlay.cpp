#include "overlays/LMDisplayOverlay.h"

#include "overlays/LMLockScreenDim.h"
#include "settings/LMSettings.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIWindow.h"

bool LMDisplayOverlay::initInRootWindow(const std::shared_ptr<UIWindow>& rootWindow)
{
    if (!OBDisplayView::init())
        return false;
    setHidden(true);
    addSubview(displayContainerView());
    if (rootWindow)
        rootWindow->addSubview(objc::retain(this));
    m_settings = LMSettings::sharedInstance();
    return true;
}

void LMDisplayOverlay::show()
{
    if (laysOutOnShow())
        updateFrame();
    std::weak_ptr<LMDisplayOverlay> weakSelf = objc::retain(this);
    showWithCompletion([weakSelf] {
        if (auto self = weakSelf.lock())
            LMResetLockScreenDimIfEnabled(self->resetsLockScreenDim());
    });
}

void LMDisplayOverlay::hide()
{
    std::weak_ptr<LMDisplayOverlay> weakSelf = objc::retain(this);
    hideWithCompletion([weakSelf] {
        if (auto self = weakSelf.lock()) {
            self->setHidden(true);
            LMResetLockScreenDimIfEnabled(self->resetsLockScreenDim());
        }
    });
}

std::shared_ptr<UILabel> LMDisplayOverlay::addContentLabel(
    const char* identifier, std::shared_ptr<UIColor> color, std::shared_ptr<UIFont> font, NSInteger lines)
{
    auto label = UILabel::create();
    label->setAccessibilityIdentifier(identifier);
    label->setTextColor(std::move(color));
    label->setFont(std::move(font));
    label->setNumberOfLines(lines);
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setUserInteractionEnabled(false);
    label->setAdjustsFontSizeToFitWidth(true);
    displayContainerView()->addSubview(label);
    return label;
}

std::shared_ptr<UIImageView> LMDisplayOverlay::addContentImageView(const char* identifier, std::shared_ptr<UIImage> image)
{
    auto view = UIImageView::initWithImage(std::move(image));
    view->setAccessibilityIdentifier(identifier);
    displayContainerView()->addSubview(view);
    return view;
}
