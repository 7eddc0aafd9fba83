#include "support/host/DeviceScene.h"

#include "_LMContainerView/LMView.h"
#include "_LMContainerView/LMViewHooks.h"
#include "settings/LMSettings.h"
#include "support/host/DescribedText.h"
#include "uikit/UILabel.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/ViewFinder.h"

#include <stdexcept>

namespace {

CGPoint screenCentre(const UIView& view)
{
    CGRect bounds = view.bounds();
    return view.convertPointToView(CGPointMake(CGRectGetMidX(bounds), CGRectGetMidY(bounds)), nullptr);
}

} // namespace

DeviceScene::DeviceScene(springboard::Device device, const Preferences& preferences)
    : m_fixture(std::move(device), preferences)
{ }

LMView& DeviceScene::panel() const
{
    auto panel = lumora::sharedPanel();
    if (!panel)
        throw std::logic_error("no panel was built");
    return *panel;
}

std::shared_ptr<UIView> DeviceScene::view(const UIView& root, std::string_view field)
{
    auto found = findView(objc::retain(const_cast<UIView*>(&root)), field);
    if (!found)
        throw std::logic_error("no view " + std::string(field) + " in " + root.className());
    return found;
}

std::shared_ptr<UIView> DeviceScene::view(std::string_view field) const
{
    return view(panel(), field);
}

CGRect DeviceScene::frame(std::string_view field) const
{
    return view(field)->frame();
}

std::string DeviceScene::text(std::string_view field) const
{
    return view<UILabel>(field)->text();
}

std::string DeviceScene::describedText(std::string_view field) const
{
    auto label = view<UILabel>(field);
    return ::describedText(label ? label->attributedText() : nullptr);
}

void DeviceScene::advance(double seconds)
{
    dispatch::RunLoop::main().advance(seconds);
}

void DeviceScene::setPreferences(const Preferences& preferences)
{
    m_fixture.writePreferences(preferences);
    LMSettings::sharedInstance()->reload();
}

void DeviceScene::tap(const UIView& target)
{
    tapAt(screenCentre(target));
}

void DeviceScene::tap(std::string_view panelField)
{
    tap(*view(panelField));
}

void DeviceScene::tapAt(CGPoint screenPoint)
{
    UITouchSimulator().tap(screenPoint);
}

void DeviceScene::longPress(std::string_view panelField)
{
    UITouchSimulator().longPress(screenCentre(*view(panelField)));
}

bool DeviceScene::pressAlertButton(std::string_view title)
{
    return UITouchSimulator().pressAlertButton(title);
}
