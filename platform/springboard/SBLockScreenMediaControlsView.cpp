#include "springboard/SBLockScreenMediaControlsView.h"

#include "orblib/DeviceNowPlaying.h"
#include "springboard/Device.h"
#include "springboard/HostSupport.h"
#include "uikit/UIColor.h"

namespace springboard {

std::shared_ptr<SBLockScreenMediaControlsView> SBLockScreenMediaControlsView::create(CGFloat width)
{
    auto view = std::make_shared<SBLockScreenMediaControlsView>();
    view->setAccessibilityIdentifier("_mediaControlsView");
    view->setFrame(CGRectMake(0, 0, width, 96));
    view->setBackgroundColor(UIColor::colorWithWhite(0, 0.3));
    view->layer().setCornerRadius(12);
    view->m_titleLabel = makeLabel("_titleLabel", "HelveticaNeue-Medium", 16);
    view->m_titleLabel->setFrame(CGRectMake(12, 8, width - 24, 22));
    view->m_artistLabel = makeLabel("_artistLabel", "HelveticaNeue-Light", 14);
    view->m_artistLabel->setFrame(CGRectMake(12, 30, width - 24, 20));
    view->m_transportLabel = makeLabel("_transportControls", "HelveticaNeue", 20);
    view->m_transportLabel->setFrame(CGRectMake(12, 56, width - 24, 30));
    for (auto& label : { view->m_titleLabel, view->m_artistLabel, view->m_transportLabel })
        view->addSubview(label);
    view->update();
    return view;
}

void SBLockScreenMediaControlsView::update()
{
    auto item = orblib::DeviceNowPlaying::item();
    m_titleLabel->setText(item ? item->song : "Not Playing");
    m_artistLabel->setText(item ? item->artist : "");
    m_transportLabel->setText(currentDevice().media.isPlaying() ? "\u25C0\u25C0     \u275A\u275A     \u25B6\u25B6"
                                                           : "\u25C0\u25C0     \u25B6     \u25B6\u25B6");
}

} // namespace springboard
