#include "PanelScene.h"

#include "_LMContainerView/LMView.h"
#include "_LMContainerView/LMViewHooks.h"
#include "settings/LMSettings.h"
#include "support/host/DescribedText.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIImage.h"
#include "uikit/UILabel.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

std::shared_ptr<UIView> find(const std::shared_ptr<UIView>& root, std::string_view field)
{
    if (root->accessibilityIdentifier() == field)
        return root;
    for (auto& subview : root->subviews()) {
        if (auto found = find(subview, field))
            return found;
    }
    return nullptr;
}

} // namespace

PanelScene::PanelScene(springboard::Device device, const Preferences& preferences)
    : m_fixture(std::move(device), preferences)
{ }

LMView& PanelScene::panel() const
{
    auto panel = lumora::sharedPanel();
    if (!panel)
        throw std::logic_error("no panel was built");
    return *panel;
}

std::shared_ptr<UIView> PanelScene::view(std::string_view field) const
{
    auto found = find(objc::retain(&panel()), field);
    if (!found)
        throw std::logic_error("the panel has no view " + std::string(field));
    return found;
}

CGRect PanelScene::frame(std::string_view field) const
{
    return view(field)->frame();
}

std::string PanelScene::text(std::string_view field) const
{
    return view<UILabel>(field)->text();
}

std::string PanelScene::describedText(std::string_view field) const
{
    return ::describedText(view<UILabel>(field)->attributedText());
}

void PanelScene::advance(double seconds)
{
    dispatch::RunLoop::main().advance(seconds);
}

void PanelScene::setPreferences(const Preferences& preferences)
{
    m_fixture.writePreferences(preferences);
    LMSettings::sharedInstance()->reload();
}

CGPoint PanelScene::screenCentre(const UIView& view)
{
    CGRect bounds = view.bounds();
    return view.convertPointToView(CGPointMake(CGRectGetMidX(bounds), CGRectGetMidY(bounds)), nullptr);
}

void PanelScene::tap(std::string_view field)
{
    tap(*view(field));
}

void PanelScene::tap(const UIView& target)
{
    UITouchSimulator(panel().window()).tap(screenCentre(target));
}

void PanelScene::longPress(std::string_view field)
{
    UITouchSimulator(panel().window()).longPress(screenCentre(*view(field)));
}
