#include "_LMContainerView/LMPanelState.h"

#include "objc/ProcessLocal.h"

namespace lumora {
namespace {

objc::ProcessLocal<std::shared_ptr<LMView>> s_sharedPanel;
objc::ProcessLocal<bool> s_fullscreenBulletinVisible { false };

} // namespace

std::shared_ptr<LMView> sharedPanel()
{
    return *s_sharedPanel;
}

void setSharedPanel(const std::shared_ptr<LMView>& panel)
{
    *s_sharedPanel = panel;
}

bool fullscreenBulletinVisible()
{
    return *s_fullscreenBulletinVisible;
}

void setFullscreenBulletinVisible(bool visible)
{
    *s_fullscreenBulletinVisible = visible;
}

} // namespace lumora
