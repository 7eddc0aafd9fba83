#include "springboard/SBLockScreenFullscreenBulletinViewController.h"

#include "contracts/SBLockScreenFullscreenBulletinViewController.h"
#include "springboard/HostSupport.h"
#include "springboard/SBAwayBulletinListItem.h"
#include "springboard/SBLockScreenViewController.h"
#include "uikit/UIButton.h"
#include "uikit/UIColor.h"
#include "uikit/UIScreen.h"

namespace springboard {

using Messages = contracts::SBLockScreenFullscreenBulletinViewController;

std::shared_ptr<SBLockScreenFullscreenBulletinViewController>
SBLockScreenFullscreenBulletinViewController::create(std::shared_ptr<SBAwayBulletinListItem> item,
    const std::shared_ptr<SBLockScreenViewController>& presenter)
{
    auto controller = std::make_shared<SBLockScreenFullscreenBulletinViewController>();
    controller->m_item = std::move(item);
    controller->m_presenter = presenter;
    return controller;
}

void SBLockScreenFullscreenBulletinViewController::registerMethods(Class cls)
{
    using Self = SBLockScreenFullscreenBulletinViewController;
    cls->addMethod(Messages::viewDidAppear, objc::implementation<&Self::ownViewDidAppear>);
    cls->addMethod(Messages::performDismissAction, objc::implementation<&Self::ownPerformDismissAction>);
}

void SBLockScreenFullscreenBulletinViewController::loadView()
{
    CGRect screen = UIScreen::mainScreen()->bounds();
    auto container = makeView("fullscreenBulletinView", UIColor::colorWithWhite(0, 0.75));
    container->setFrame(screen);
    container->setAutoresizingMask(UIViewAutoresizingFlexibleWidth | UIViewAutoresizingFlexibleHeight);
    auto title = makeLabel("_titleLabel", "HelveticaNeue-Light", 34);
    title->setText(m_item ? m_item->title() : "");
    title->setFrame(CGRectMake(20, screen.size.height * 0.3, screen.size.width - 40, 44));
    auto message = makeLabel("_messageLabel", "HelveticaNeue-Light", 18);
    message->setText(m_item ? m_item->message() : "");
    message->setNumberOfLines(0);
    message->setFrame(CGRectMake(20, screen.size.height * 0.3 + 50, screen.size.width - 40, 60));
    auto dismiss = UIButton::buttonWithType(UIButtonTypeSystem);
    dismiss->setAccessibilityIdentifier("_dismissButton");
    dismiss->setTitle("Dismiss", UIControlStateNormal);
    dismiss->setTitleColor(UIColor::whiteColor(), UIControlStateNormal);
    dismiss->setFrame(CGRectMake(screen.size.width / 2 - 80, screen.size.height - 130, 160, 44));
    dismiss->layer().setBorderWidth(1);
    dismiss->layer().setBorderColor(UIColor::whiteColor());
    dismiss->layer().setCornerRadius(8);
    std::weak_ptr<SBLockScreenFullscreenBulletinViewController> weakSelf
        = std::static_pointer_cast<SBLockScreenFullscreenBulletinViewController>(shared_from_this());
    dismiss->addTarget(
        [weakSelf](UIControl*) {
            if (auto self = weakSelf.lock())
                self->performDismissAction();
        },
        UIControlEventTouchUpInside);
    for (auto& part : std::initializer_list<std::shared_ptr<UIView>> { title, message, dismiss })
        container->addSubview(part);
    setView(container);
}

void SBLockScreenFullscreenBulletinViewController::viewDidAppear(bool animated)
{
    Messages::viewDidAppear(this, animated);
}

void SBLockScreenFullscreenBulletinViewController::performDismissAction()
{
    Messages::performDismissAction(this);
}

void SBLockScreenFullscreenBulletinViewController::ownPerformDismissAction()
{
    if (m_dismissed)
        return;
    m_dismissed = true;
    if (auto presenter = m_presenter.lock())
        presenter->fullscreenBulletinDidDismiss();
}

} // namespace springboard
