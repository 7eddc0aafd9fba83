#include "LMKalendoMissiva/LMSingleNotificationDisplayView.h"

#include "LMKalendoMissiva/LMNotificationLauncher.h"
#include "LMKalendoMissiva/LMNotificationTable.h"
#include "LMKalendoMissiva/LMTimeStamp.h"
#include "base/LMSpringBoard.h"
#include "contracts/OBColorFactory.h"
#include "contracts/OBNotificationRow.h"
#include "contracts/OBiOSVersion.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSDateFormatter.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"
#include "uikit/UIButton.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <algorithm>

namespace {

constexpr std::string_view messagesIdentifier = "com.apple.MobileSMS";
constexpr std::string_view mailIdentifier = "com.apple.mobilemail";
constexpr std::string_view actionBlue = "#157EFB";
constexpr std::string_view actionRed = "#FC3D39";
// Below this size code the screen has no room for the picture.
constexpr int smallestSizeWithAttachment = 3;

int deviceSize()
{
    static objc::ClassRef versionClass { "OBiOSVersion" };
    return contracts::OBiOSVersion::deviceSize.toClass(versionClass);
}

void placeButton(UIButton& button, UILabel& label, CGRect frame)
{
    button.setFrame(frame);
    label.setFrame(frame);
}

CGFloat bottom(const UIView& view)
{
    return view.frame().origin.y + view.frame().size.height;
}

std::string dateText(const std::shared_ptr<NSDate>& date, bool militaryTime)
{
    if (!date)
        return {};
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat("MMM d");
    return formatter->stringFromDate(date) + " at " + LMTimeStamp::time(date, militaryTime);
}

std::string descriptionText(contracts::OBNotificationRow& row)
{
    auto bulletin = row.bulletin();
    auto subtitle = bulletin ? bulletin->subtitle() : std::nullopt;
    return objc::format("Title\n%@\n\nSubtitle\n%@\n\nMessage\n%@", row.title().value_or("No title"),
        subtitle.value_or("No subtitle"), row.message().value_or("No message"));
}

} // namespace

std::shared_ptr<LMSingleNotificationDisplayView> LMSingleNotificationDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMSingleNotificationDisplayView>();
}

std::shared_ptr<LMSingleNotificationDisplayView> LMSingleNotificationDisplayView::create()
{
    auto overlay = make<LMSingleNotificationDisplayView>(
        lumora::RootWindowCapture<LMSingleNotificationDisplayView>::window());
    if (overlay)
        overlay->buildContent();
    return overlay;
}

void LMSingleNotificationDisplayView::buildContent()
{
    m_themeColor = settings()->themeColor();

    m_appIconImageView = addContentImageView("appIconImageView");

    m_appNameLabel = addLabel("appNameLabel", 2);
    m_notificationDescriptionLabel = addLabel("notificationDescriptionLabel", 0);
    m_notificationDescriptionLabel->setLineBreakMode(NSLineBreakByWordWrapping);

    m_attachmentImageView = addContentImageView("attachmentImageView");
    m_attachmentImageView->layer().setCornerRadius(5);
    m_attachmentImageView->layer().setMasksToBounds(true);

    m_launchAppButton = addButton(
        "launchAppButton", UIColor::grayColor(), &LMSingleNotificationDisplayView::launchAppButtonReleased);
    m_launchAppButtonLabel = addButtonLabel("launchAppButtonLabel", "Launch Notification");
    m_dismissNotificationButton = addButton("dismissNotificationButton", UIColor::redColor(),
        &LMSingleNotificationDisplayView::dismissNotificationButtonReleased);
    m_dismissNotificationButtonLabel
        = addButtonLabel("dismissNotificationButtonLabel", "Dismiss Notification");
    m_notificationAction1Button = addButton("notificationAction1Button", nullptr,
        &LMSingleNotificationDisplayView::notificationActionButton1Released);
    m_notificationAction1ButtonLabel = addButtonLabel("notificationAction1ButtonLabel", "");
    m_notificationAction2Button = addButton("notificationAction2Button", nullptr,
        &LMSingleNotificationDisplayView::notificationActionButton2Released);
    m_notificationAction2ButtonLabel = addButtonLabel("notificationAction2ButtonLabel", "");
    hideNotificationActionButtons();
}

std::shared_ptr<UILabel> LMSingleNotificationDisplayView::addLabel(const char* identifier, NSInteger lines)
{
    return addContentLabel(identifier, m_themeColor, UIFont::fontWithName("HelveticaNeue-Light", 14), lines);
}

std::shared_ptr<UILabel> LMSingleNotificationDisplayView::addButtonLabel(
    const char* identifier, std::string_view text)
{
    auto label = addLabel(identifier, 1);
    label->setText(text);
    return label;
}

std::shared_ptr<UIButton> LMSingleNotificationDisplayView::addButton(const char* identifier,
    std::shared_ptr<UIColor> background, void (LMSingleNotificationDisplayView::*action)(UIButton*))
{
    auto button = UIButton::buttonWithType(UIButtonTypeCustom);
    button->setAccessibilityIdentifier(identifier);
    button->setBackgroundColor(std::move(background));
    button->setAlpha(0.5);
    button->layer().setCornerRadius(5);
    button->layer().setMasksToBounds(true);
    button->addTarget(objc::retain(this), action, UIControlEventTouchUpInside);
    displayContainerView()->addSubview(button);
    return button;
}

bool LMSingleNotificationDisplayView::isPortrait() const
{
    return LMSpringBoard::orientation() == LMOrientation::portrait;
}

bool LMSingleNotificationDisplayView::isMessagesApp() const
{
    auto app = m_row ? m_row->app() : nullptr;
    return app && app->bundleIdentifier() == messagesIdentifier;
}

bool LMSingleNotificationDisplayView::isMailApp() const
{
    auto app = m_row ? m_row->app() : nullptr;
    return app && app->bundleIdentifier() == mailIdentifier;
}

bool LMSingleNotificationDisplayView::showsAttachment() const
{
    return m_row && m_row->attachmentImage() && deviceSize() >= smallestSizeWithAttachment;
}

void LMSingleNotificationDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
    CGFloat w = width();
    CGFloat h = height();
    bool portrait = isPortrait();
    bool hasAttachment = m_row && m_row->attachmentImage();

    m_appIconImageView->setFrame(CGRectMake(-1, -1, 75, 75));
    m_appIconImageView->setCenter(CGPointMake(0.5 * w, (hasAttachment && portrait ? 0.1 : 0.15) * h));
    CGRect icon = m_appIconImageView->frame();
    m_appNameLabel->setFrame(CGRectMake(0, bottom(*m_appIconImageView) + 1, w, 40));
    m_notificationDescriptionLabel->setFrame(CGRectMake(0.1 * w, bottom(*m_appNameLabel) + 15,
        w - 2 * 0.1 * w, (deviceSize() < smallestSizeWithAttachment ? 0.35 : 0.25) * h));

    bool attachmentShown = showsAttachment();
    m_attachmentImageView->setHidden(!attachmentShown);
    if (attachmentShown) {
        CGFloat shorter = std::min(w, h);
        CGFloat side = shorter - 2 * 0.35 * shorter;
        m_attachmentImageView->setFrame(CGRectMake(-1, -1, side, side));
        m_attachmentImageView->setCenter(portrait
                ? CGPointMake(0.5 * w, bottom(*m_notificationDescriptionLabel) + icon.size.height)
                : CGPointMake(0.2 * w, 0.5 * h));
    }

    // The buttons follow whatever shows last above them; a hidden picture keeps a stale frame.
    const UIView& anchor = attachmentShown && portrait ? static_cast<const UIView&>(*m_attachmentImageView)
                                                       : *m_notificationDescriptionLabel;
    CGFloat columnX = (portrait ? 0.25 : 0.375) * w;
    CGFloat columnWidth = (portrait ? 0.5 : 0.25) * w;
    CGFloat buttonHeight = 0.054 * h;
    CGFloat y = bottom(anchor) + 15;
    const std::pair<UIButton*, UILabel*> buttons[] = {
        { m_launchAppButton.get(), m_launchAppButtonLabel.get() },
        { m_dismissNotificationButton.get(), m_dismissNotificationButtonLabel.get() },
        { m_notificationAction1Button.get(), m_notificationAction1ButtonLabel.get() },
        { m_notificationAction2Button.get(), m_notificationAction2ButtonLabel.get() },
    };
    // An action button that is not shown leaves no gap.
    for (auto [button, label] : buttons) {
        placeButton(*button, *label, CGRectMake(columnX, y, columnWidth, buttonHeight));
        if (!button->isHidden())
            y += buttonHeight + 10;
    }
}

void LMSingleNotificationDisplayView::updateRow(const std::shared_ptr<contracts::OBNotificationRow>& row)
{
    m_row = row;
    hideNotificationActionButtons();
    if (!row)
        return;
    m_appIconImageView->setImage(row->icon());
    m_attachmentImageView->setImage(row->attachmentImage());

    auto app = row->app();
    m_appNameLabel->setText(objc::format("%@ Notification\n%@", app ? app->displayName() : std::string(),
        dateText(row->date(), settings()->militaryTime())));
    std::string description = descriptionText(*row);
    if (showsAttachment() && isPortrait())
        description += "\n\nImage Preview";
    m_notificationDescriptionLabel->setText(description);

    if (isMessagesApp()) {
        setActionButton(*m_notificationAction1Button, *m_notificationAction1ButtonLabel, actionBlue, "Reply");
    } else if (isMailApp()) {
        setActionButton(
            *m_notificationAction1Button, *m_notificationAction1ButtonLabel, actionBlue, "Mark as Read");
        setActionButton(*m_notificationAction2Button, *m_notificationAction2ButtonLabel, actionRed, "Trash");
    }
    if (action1Index())
        showNotificationAction1Button();
    if (action2Index())
        showNotificationAction2Button();
    updateFrame();
}

void LMSingleNotificationDisplayView::setActionButton(
    UIButton& button, UILabel& label, std::string_view colour, std::string_view title)
{
    static objc::ClassRef colorFactoryClass { "OBColorFactory" };
    button.setBackgroundColor(
        contracts::OBColorFactory::colorFromHexString.toClass(colorFactoryClass, std::string(colour)));
    label.setText(title);
}

std::optional<int> LMSingleNotificationDisplayView::action1Index() const
{
    // "Reply" is a message's first action; "Mark as Read" a mail's second.
    std::optional<int> index;
    if (isMessagesApp())
        index = 0;
    else if (isMailApp())
        index = 1;
    if (!index || static_cast<size_t>(*index) >= m_row->notificationActions().size())
        return std::nullopt;
    return index;
}

std::optional<int> LMSingleNotificationDisplayView::action2Index() const
{
    // "Trash" is a mail's first action.
    if (!isMailApp() || m_row->notificationActions().empty())
        return std::nullopt;
    return 0;
}

void LMSingleNotificationDisplayView::hideNotificationActionButtons()
{
    for (auto& view :
        std::initializer_list<std::shared_ptr<UIView>> { m_notificationAction1Button,
            m_notificationAction1ButtonLabel, m_notificationAction2Button, m_notificationAction2ButtonLabel })
        view->setHidden(true);
}

void LMSingleNotificationDisplayView::showNotificationAction1Button()
{
    m_notificationAction1Button->setHidden(false);
    m_notificationAction1ButtonLabel->setHidden(false);
}

void LMSingleNotificationDisplayView::showNotificationAction2Button()
{
    m_notificationAction2Button->setHidden(false);
    m_notificationAction2ButtonLabel->setHidden(false);
}

void LMSingleNotificationDisplayView::launchAppButtonReleased(UIButton*)
{
    if (!isActive() || !m_row)
        return;
    hide();
    LMNotificationLauncher::open(*m_row, settings()->location());
}

void LMSingleNotificationDisplayView::dismissNotificationButtonReleased(UIButton*)
{
    if (!isActive())
        return;
    hide();
    clearRepresentedNotification();
}

void LMSingleNotificationDisplayView::clearRepresentedNotification()
{
    if (m_row)
        m_row->removeActualNotification();
    LMNotificationTable::forceReloadPanelTable();
}

// A second tap during the closing fade would run the action again on a notification already
// handled, so the action buttons wait for the overlay to be open as the others do.
void LMSingleNotificationDisplayView::notificationActionButton1Released(UIButton*)
{
    if (auto index = action1Index(); index && isActive())
        runAction(*index);
}

void LMSingleNotificationDisplayView::notificationActionButton2Released(UIButton*)
{
    if (auto index = action2Index(); index && isActive())
        runAction(*index);
}

void LMSingleNotificationDisplayView::runAction(int index)
{
    m_row->invokeNotificationActionWithIndex(index);
    LMNotificationTable::forceReloadPanelTable();
    hide();
}

bool LMSingleNotificationDisplayView::resetsLockScreenDim() const
{
    return settings()->missivaResetLockScreenDim();
}
