#include "LMMelodra/LMMelodraView.h"

#include "_LMContainerView/LMView.h"
#include "launcher/LMAppLauncherView.h"
#include "settings/LMSettings.h"

#include <algorithm>

std::shared_ptr<LMMelodraView> LMMelodraView::create()
{
    auto view = std::make_shared<LMMelodraView>();
    view->init();
    return view;
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
    auto panel = objc::cast<LMView>(superview());
    CGFloat panelHeight = panel ? panel->height() : 0;
    CGFloat panelWidth = panel ? panel->width() : 0;
    auto launcher = panel ? panel->appLauncherView() : nullptr;

    CGFloat y = panelHeight - stripHeight - 10.0;
    if (launcher && !launcher->isHidden())
        y = launcher->frame().origin.y - stripHeight - 10.0;
    else if (m_settings->location() == 2)
        y = panelHeight - stripHeight - std::max(panelHeight, panelWidth) * static_cast<double>(0.05f);
    setFrame(CGRectMake(20.0, y, rect.size.width - 40.0, stripHeight));
    m_backgroundView->setFrame(bounds());
}
