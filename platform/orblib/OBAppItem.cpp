#include "orblib/OBAppItem.h"

#include "orblib/AppIcon.h"
#include "orblib/DeviceApps.h"
#include "uikit/UIImageView.h"

namespace orblib {
namespace {

std::shared_ptr<NSObject> initFromIdentifierImplementation(
    Class, SEL, std::string bundleIdentifier, bool loadSnapshot)
{
    return OBAppItem::initFromIdentifier(bundleIdentifier, loadSnapshot);
}

} // namespace

OBAppItem::OBAppItem(std::shared_ptr<OBApplication> app, std::shared_ptr<UIImage> icon)
    : m_app(std::move(app))
    , m_icon(std::move(icon))
{ }

std::shared_ptr<OBAppItem> OBAppItem::initFromIdentifier(std::string_view bundleIdentifier, bool)
{
    auto installed = DeviceApps::app(bundleIdentifier);
    if (!installed)
        return nullptr;
    return std::make_shared<OBAppItem>(
        std::make_shared<OBApplication>(installed->bundleIdentifier, installed->displayName),
        appIcon(*installed));
}

std::shared_ptr<UIImageView> OBAppItem::iconImageView()
{
    if (!m_iconImageView)
        m_iconImageView = UIImageView::initWithImage(m_icon);
    return m_iconImageView;
}

void OBAppItem::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(
        contracts::OBAppItem::initFromIdentifier, &initFromIdentifierImplementation);
}

} // namespace orblib
