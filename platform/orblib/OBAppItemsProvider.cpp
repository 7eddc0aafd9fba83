#include "orblib/OBAppItemsProvider.h"

#include "contracts/OBAppItemsProvider.h"
#include "orblib/DeviceApps.h"

#include <algorithm>
#include <string>

namespace orblib {
namespace {

std::vector<std::shared_ptr<NSObject>> appItemsFromSwitcherImplementation(Class, SEL, bool loadSnapshots)
{
    auto items = OBAppItemsProvider::appItemsFromSwitcherWithSnapshots(loadSnapshots);
    return { items.begin(), items.end() };
}

} // namespace

std::vector<std::shared_ptr<OBAppItem>> OBAppItemsProvider::appItemsFromSwitcherWithSnapshots(
    bool loadSnapshots)
{
    std::vector<std::shared_ptr<OBAppItem>> items;
    std::vector<std::string> seen;
    for (auto& bundleIdentifier : DeviceApps::switcher()) {
        if (std::ranges::find(seen, bundleIdentifier) != seen.end())
            continue;
        seen.push_back(bundleIdentifier);
        if (auto item = OBAppItem::initFromIdentifier(bundleIdentifier, loadSnapshots))
            items.push_back(std::move(item));
    }
    return items;
}

void OBAppItemsProvider::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::OBAppItemsProvider::appItemsFromSwitcherWithSnapshots,
        &appItemsFromSwitcherImplementation);
}

} // namespace orblib
