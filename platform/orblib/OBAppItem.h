#pragma once

#include "contracts/OBAppItem.h"
#include "objc/NSObject.h"
#include "orblib/OBApplication.h"

#include <memory>
#include <string_view>

namespace orblib {

// An installed app (DeviceApps) with its icon, as it was when the item was made.
class OBAppItem : public NSObject, public contracts::OBAppItem {
    OBJC_CLASS(OBAppItem, NSObject)
public:
    OBAppItem(std::shared_ptr<OBApplication>, std::shared_ptr<UIImage> icon);
    // Nothing when no app of the identifier is installed.
    static std::shared_ptr<OBAppItem> initFromIdentifier(
        std::string_view bundleIdentifier, bool loadSnapshot);

    std::shared_ptr<UIImage> iconImage() override { return m_icon; }
    // One view for the item, showing the icon at its size.
    std::shared_ptr<UIImageView> iconImageView() override;
    std::shared_ptr<contracts::SBApplication> app() override { return m_app; }

    // Makes the class, with its class-side initFromIdentifier:loadSnapshot:, findable by name.
    static void registerClass();

    // not implemented: the app's snapshot (loadSnapshot has no effect)

private:
    std::shared_ptr<OBApplication> m_app;
    std::shared_ptr<UIImage> m_icon;
    std::shared_ptr<UIImageView> m_iconImageView;
};

} // namespace orblib
