#include "LMKalendoMissiva/LMSingleEventDisplayView.h"

#include "LMKalendoMissiva/LMEventItem.h"
#include "LMKalendoMissiva/LMScheduleAppItem.h"
#include "LMKalendoMissiva/LMTimeStamp.h"
#include "contracts/OBAppItem.h"
#include "contracts/OBImageFactory.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSDateFormatter.h"
#include "objc/ClassRef.h"
#include "objc/Format.h"
#include "overlays/RootWindowCapture.h"
#include "settings/LMSettings.h"
#include "uikit/UIFont.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <algorithm>

namespace {

constexpr CGFloat iconSide = 75;

std::string dayText(const std::shared_ptr<NSDate>& date)
{
    if (!date)
        return {};
    auto formatter = std::make_shared<NSDateFormatter>();
    formatter->setDateFormat("MMM d");
    return formatter->stringFromDate(date);
}

std::string dateText(const std::shared_ptr<NSDate>& date, bool militaryTime)
{
    return objc::format("%@ at %@", dayText(date), LMTimeStamp::time(date, militaryTime));
}

std::string orWord(const std::string& text, const char* word)
{
    return text.empty() ? word : text;
}

} // namespace

std::shared_ptr<LMSingleEventDisplayView> LMSingleEventDisplayView::sharedInstance()
{
    return dispatch::sharedInstance<LMSingleEventDisplayView>();
}

std::shared_ptr<LMSingleEventDisplayView> LMSingleEventDisplayView::create()
{
    auto overlay
        = make<LMSingleEventDisplayView>(lumora::RootWindowCapture<LMSingleEventDisplayView>::window());
    if (overlay)
        overlay->buildContent();
    return overlay;
}

void LMSingleEventDisplayView::buildContent()
{
    m_themeColor = settings()->themeColor();
    m_appIconImageView = addContentImageView("appIconImageView");
    auto font = UIFont::fontWithName("HelveticaNeue-Light", 14);
    m_eventTypeLabel = addContentLabel("eventTypeLabel", m_themeColor, font, 3);
    m_eventDescriptionLabel = addContentLabel("eventDescriptionLabel", m_themeColor, font, 0);
    m_eventDescriptionLabel->setLineBreakMode(NSLineBreakByWordWrapping);
}

void LMSingleEventDisplayView::updateFrame()
{
    updateFrameForActiveOrientation();
    CGFloat w = width();
    CGFloat h = height();
    m_appIconImageView->setFrame(CGRectMake(-1, -1, iconSide, iconSide));
    m_appIconImageView->setCenter(CGPointMake(0.5 * w, 0.2 * h));
    CGRect icon = m_appIconImageView->frame();
    m_eventTypeLabel->setFrame(CGRectMake(0, icon.origin.y + icon.size.height + 1, w, 60));
    CGRect type = m_eventTypeLabel->frame();
    CGFloat top = type.origin.y + type.size.height + 5;
    // On its side 0.3 of the height holds six lines, too few for a title, a location and notes
    // of one line each: there the texts take what is left down to the bottom edge.
    CGFloat textHeight = w > h ? std::max(0.3 * h, h - top - 10) : 0.3 * h;
    m_eventDescriptionLabel->setFrame(CGRectMake(0.1 * w, top, w - 2 * 0.1 * w, textHeight));
}

void LMSingleEventDisplayView::updateEventItem(const std::shared_ptr<LMEventItem>& item)
{
    updateFrame();
    m_eventItem = item;
    if (!item)
        return;
    bool militaryTime = settings()->militaryTime();
    std::string text = dateText(item->date(), militaryTime);
    if (item->type() == "event")
        text = objc::format("Start: %@\nEnd: %@", text, dateText(item->endDate(), militaryTime));
    else if (item->type() == "reminder")
        text += "\n";

    static objc::ClassRef imageFactoryClass { "OBImageFactory" };
    auto appItem = LMScheduleAppItem(item->type());
    CGSize iconSize = m_appIconImageView->bounds().size;
    m_appIconImageView->setImage(appItem
            ? contracts::OBImageFactory::image(imageFactoryClass, appItem->iconImage(), iconSize)
            : nullptr);

    m_eventTypeLabel->setText(objc::format("%@\n%@", item->type().value_or(""), text));
    m_eventDescriptionLabel->setText(objc::format("Title\n%@\n\nLocation\n%@\n\nNotes\n%@",
        orWord(item->title(), "No title"), orWord(item->location().value_or(""), "No location"),
        orWord(item->notes().value_or(""), "No notes")));
}

bool LMSingleEventDisplayView::resetsLockScreenDim() const
{
    return settings()->kalendoResetLockScreenDim();
}
