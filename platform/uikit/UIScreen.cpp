#include "uikit/UIScreen.h"

#include "foundation/DeviceSetting.h"

namespace {

foundation::DeviceSetting<UIScreen>& mainScreenSetting()
{
    static foundation::DeviceSetting<UIScreen> setting { std::make_shared<UIScreen>(
        CGRectMake(0, 0, 375, 667), 2) };
    return setting;
}

} // namespace

UIScreen::UIScreen(CGRect bounds, CGFloat scale)
    : m_bounds(bounds)
    , m_scale(scale > 0 ? scale : 1)
{ }

std::shared_ptr<UIScreen> UIScreen::mainScreen()
{
    return mainScreenSetting().get();
}

void UIScreen::setMainScreen(CGRect bounds, CGFloat scale)
{
    mainScreenSetting().set(std::make_shared<UIScreen>(bounds, scale));
}
