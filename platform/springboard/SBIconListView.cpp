#include "springboard/SBIconListView.h"

#include "springboard/HostSupport.h"
#include "springboard/SBApplication.h"
#include "springboard/SBApplicationController.h"
#include "uikit/UIColor.h"

#include <cstdint>

namespace springboard {

namespace {

constexpr int columns = 4;
constexpr CGFloat top = 30;
constexpr CGFloat labelHeight = 16;
constexpr CGFloat rowHeight = 88;

// Each application keeps one colour, made from its identifier (FNV-1a, the same on every machine).
std::shared_ptr<UIColor> iconColor(const std::string& bundleIdentifier)
{
    std::uint32_t hash = 2166136261u;
    for (unsigned char character : bundleIdentifier)
        hash = (hash ^ character) * 16777619u;
    auto component = [&](int shift) { return 0.25 + double((hash >> shift) & 0xFF) / 255 * 0.6; };
    return UIColor::colorWithRed(component(0), component(8), component(16), 1);
}

} // namespace

std::shared_ptr<SBIconListView> SBIconListView::create()
{
    auto list = std::make_shared<SBIconListView>();
    list->setAccessibilityIdentifier("SBIconListView");
    for (auto& application : SBApplicationController::sharedInstance()->allApplications()) {
        auto icon = makeView(application->bundleIdentifier(), iconColor(application->bundleIdentifier()));
        icon->layer().setCornerRadius(13);
        auto name = makeLabel(application->bundleIdentifier() + ".label", "HelveticaNeue", 12);
        name->setText(application->displayName());
        list->addSubview(icon);
        list->addSubview(name);
    }
    return list;
}

void SBIconListView::layoutSubviews()
{
    CGFloat width = bounds().size.width;
    CGFloat cell = width / columns;
    auto& parts = subviews();
    for (size_t index = 0; index + 1 < parts.size(); index += 2) {
        size_t icon = index / 2;
        CGFloat x = cell * (icon % columns);
        CGFloat y = top + rowHeight * (icon / columns);
        parts[index]->setFrame(CGRectMake(x + (cell - iconSize) / 2, y, iconSize, iconSize));
        parts[index + 1]->setFrame(CGRectMake(x, y + iconSize + 4, cell, labelHeight));
    }
}

} // namespace springboard
