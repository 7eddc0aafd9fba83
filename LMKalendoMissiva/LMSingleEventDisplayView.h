#pragma once

#include "overlays/LMDisplayOverlay.h"

#include <memory>

class LMEventItem;
class UIColor;
class UIImageView;
class UILabel;

// The detail of one event or reminder: its app's icon, its kind with its dates, and its title,
// location and notes. It keeps the item of the last update, not later changes to the schedule.
class LMSingleEventDisplayView : public LMDisplayOverlay {
    OBJC_CLASS(LMSingleEventDisplayView, LMDisplayOverlay)
public:
    static std::shared_ptr<LMSingleEventDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMSingleEventDisplayView> create();

    void updateFrame() override;
    // Lays the overlay out and shows the item; the table calls it right before show.
    void updateEventItem(const std::shared_ptr<LMEventItem>&);

    const std::shared_ptr<LMEventItem>& eventItem() const { return m_eventItem; }

protected:
    bool resetsLockScreenDim() const override;
    bool laysOutOnShow() const override { return false; }

private:
    void buildContent();

    std::shared_ptr<UIColor> m_themeColor;
    std::shared_ptr<UIImageView> m_appIconImageView;
    std::shared_ptr<UILabel> m_eventTypeLabel;
    std::shared_ptr<UILabel> m_eventDescriptionLabel;
    std::shared_ptr<LMEventItem> m_eventItem;
};
