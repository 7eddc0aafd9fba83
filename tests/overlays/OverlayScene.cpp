#include "OverlayScene.h"

#include "_LMContainerView/LMView.h"
#include "_LMContainerView/LMViewHooks.h"
#include "mobiletimer/MobileTimer.h"
#include "objc/Runtime.h"
#include "platform/render/PictureCheck.h"
#include "render/ViewRenderer.h"
#include "settings/LMSettings.h"
#include "support/host/DescribedText.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIImage.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UITouchSimulator.h"

#include <stdexcept>

namespace {

std::shared_ptr<UIView> search(const std::shared_ptr<UIView>& root, std::string_view field)
{
    if (root->accessibilityIdentifier() == field)
        return root;
    for (auto& subview : root->subviews()) {
        if (auto found = search(subview, field))
            return found;
    }
    return nullptr;
}

CGPoint screenCentre(const UIView& view)
{
    CGRect bounds = view.bounds();
    return view.convertPointToView(CGPointMake(CGRectGetMidX(bounds), CGRectGetMidY(bounds)), nullptr);
}

} // namespace

OverlayScene::OverlayScene(springboard::Device device, const Preferences& preferences)
    : m_fixture(std::move(device), preferences)
{
    // A host that does not yet bring the Clock store gets it here, before anything looks it up.
    if (!objc_getClass("TimerManager"))
        mobiletimer::registerClasses();
}

LMView& OverlayScene::panel() const
{
    auto panel = lumora::sharedPanel();
    if (!panel)
        throw std::logic_error("no panel was built");
    return *panel;
}

std::shared_ptr<UIView> OverlayScene::find(const UIView& root, std::string_view field)
{
    auto found = search(objc::retain(const_cast<UIView*>(&root)), field);
    if (!found)
        throw std::logic_error("no view " + std::string(field) + " in " + root.className());
    return found;
}

std::string OverlayScene::panelText(std::string_view field) const
{
    auto label = std::dynamic_pointer_cast<UILabel>(find(panel(), field));
    return describedText(label ? label->attributedText() : nullptr);
}

void OverlayScene::advance(double seconds)
{
    dispatch::RunLoop::main().advance(seconds);
}

void OverlayScene::setPreferences(const Preferences& preferences)
{
    m_fixture.writePreferences(preferences);
    LMSettings::sharedInstance()->reload();
}

void OverlayScene::tapAt(CGPoint screenPoint)
{
    UITouchSimulator().tap(screenPoint);
}

void OverlayScene::tapPanel(std::string_view field)
{
    tapAt(screenCentre(*find(panel(), field)));
}

void OverlayScene::longPressPanel(std::string_view field)
{
    UITouchSimulator().longPress(screenCentre(*find(panel(), field)));
}

void OverlayScene::tapOverlay(const UIView& overlay, std::string_view field)
{
    tapAt(screenCentre(*find(overlay, field)));
}

bool OverlayScene::pressAlertButton(std::string_view title)
{
    return UITouchSimulator().pressAlertButton(title);
}

testing::AssertionResult OverlayScene::matchesReference(const std::string& name) const
{
    render::ViewRenderer renderer(UIScreen::mainScreen()->scale());
    return ::matchesReference(renderer.renderScreen(), name, "tests/overlays/reference");
}
