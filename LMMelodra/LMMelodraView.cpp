#include "LMMelodra/LMMelodraView.h"

#include "LMMelodra/LMMelodraLayoutHost.h"
#include "base/LMEnums.h"
#include "settings/LMSettings.h"

#include <algorithm>

std::shared_ptr<LMMelodraView> LMMelodraView::create()
{
    return objc::make<LMMelodraView>();
}

void LMMelodraView::init()
{
    m_settings = LMSettings::sharedInstance();
    setBackgroundColor(UIColor::clearColor());
    setUserInteractionEnabled(true);

    m_backgroundView = UIView::create();
    m_backgroundView->setAccessibilityIdentifier("backgroundView");
    m_backgroundView->setBackgroundColor(UIColor::blackColor());
    m_backgroundView->setAlpha(0.2);
    m_backgroundView->layer().setCornerRadius(5.0);
    m_backgroundView->layer().setMasksToBounds(true);
    m_backgroundView->setUserInteractionEnabled(false);
    addSubview(m_backgroundView);
}

void LMMelodraView::changeFrame(CGRect rect)
{
    auto panel = superview();
    auto* host = dynamic_cast<const LMMelodraLayoutHost*>(panel.get());
    CGFloat panelHeight = host ? panel->height() : 0;
    CGFloat panelWidth = host ? panel->width() : 0;
    auto launcher = host ? host->shownLauncherFrame() : std::nullopt;

    CGFloat y = panelHeight - stripHeight - 10.0;
    if (launcher)
        y = launcher->origin.y - stripHeight - 10.0;
    else if (LMLocationFromStored(m_settings->location()) == LMLocation::todayPage)
        y = panelHeight - stripHeight - std::max(panelHeight, panelWidth) * static_cast<double>(0.05f);
    setFrame(CGRectMake(20.0, y, rect.size.width - 40.0, stripHeight));
    m_backgroundView->setFrame(bounds());
}
