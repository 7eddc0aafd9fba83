#include "LMKalendoMissiva/LMNotificationSectionDismissButton.h"

#include "LMKalendoMissiva/LMNotificationTable.h"
#include "base/LMResourceImage.h"
#include "contracts/OBImageFactory.h"
#include "contracts/OBNotificationSection.h"
#include "objc/ClassRef.h"

std::shared_ptr<LMNotificationSectionDismissButton>
LMNotificationSectionDismissButton::dismissButtonWithFrame(
    CGRect frame, std::shared_ptr<contracts::OBNotificationSection> section)
{
    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    auto button = std::make_shared<LMNotificationSectionDismissButton>(CGRectZero, UIButtonTypeCustom);
    button->setAccessibilityIdentifier("_dismissButton");
    button->m_section = std::move(section);
    button->setFrame(frame);
    auto image = contracts::OBImageFactory::image(imageFactoryClass, LMResourceImage("DismissButton"),
        CGSizeMake(frame.size.width / 2, frame.size.height / 2));
    button->setBackgroundImage(
        contracts::OBImageFactory::image(imageFactoryClass, std::move(image), UIColor::whiteColor()),
        UIControlStateNormal);
    button->addTarget(
        button, &LMNotificationSectionDismissButton::buttonReleased, UIControlEventTouchUpInside);
    button->setAlpha(0.25);
    return button;
}

void LMNotificationSectionDismissButton::buttonReleased(UIButton*)
{
    if (m_section)
        m_section->removeActualNotificationSection();
    LMNotificationTable::forceReloadPanelTable();
}
