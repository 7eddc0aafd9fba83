#include "launcher/LMAppLauncherView.h"

#include "base/LMEnums.h"
#include "contracts/AppListFilePath.h"
#include "contracts/OBAppItem.h"
#include "contracts/OBAppItemsProvider.h"
#include "contracts/OBSBUIController.h"
#include "contracts/UIImageOBAdditions.h"
#include "foundation/NSFileManager.h"
#include "foundation/NSString.h"
#include "launcher/LMAppLauncherAppIconImageView.h"
#include "objc/ClassRef.h"
#include "settings/LMSettings.h"
#include "uikit/UIImage.h"
#include "uikit/UIScrollView.h"
#include "uikit/UITapGestureRecognizer.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

const std::string appListPath = contracts::appListFilePath;

using AppItems = std::vector<std::shared_ptr<contracts::OBAppItem>>;

AppItems switcherItems()
{
    static objc::ClassRef providerClass { "OBAppItemsProvider" };
    AppItems items;
    if (!providerClass)
        return items;
    for (auto& object :
        contracts::OBAppItemsProvider::appItemsFromSwitcherWithSnapshots.toClass(providerClass, false)) {
        if (auto item = objc::cast<contracts::OBAppItem>(object))
            items.push_back(std::move(item));
    }
    return items;
}

// The apps the user chose, in the list file's order; nothing at all when there is no file.
std::optional<AppItems> chosenItems()
{
    if (!NSFileManager::defaultManager()->fileExistsAtPath(appListPath))
        return std::nullopt;
    static objc::ClassRef itemClass { "OBAppItem" };
    AppItems items;
    auto list = NSString::stringWithContentsOfFile(appListPath);
    std::string_view rest = list ? list->UTF8String() : std::string_view {};
    while (!rest.empty()) {
        auto end = rest.find('\n');
        std::string_view entry = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view {} : rest.substr(end + 1);
        if (entry.empty())
            continue;
        std::string identifier(entry.substr(0, entry.find(':')));
        if (auto item = contracts::make<contracts::OBAppItem>(
                itemClass, contracts::OBAppItem::initFromIdentifier, identifier, false))
            items.push_back(std::move(item));
    }
    return items;
}

} // namespace

std::shared_ptr<LMAppLauncherView> LMAppLauncherView::create()
{
    return objc::make<LMAppLauncherView>();
}

void LMAppLauncherView::init()
{
    m_settings = LMSettings::sharedInstance();
    setBackgroundColor(UIColor::clearColor());
    setUserInteractionEnabled(true);
}

void LMAppLauncherView::changeFrame(CGRect rect)
{
    CGFloat width = rect.size.width;
    CGFloat height = rect.size.height;
    CGFloat stripHeight = std::max(height * static_cast<double>(0.071f), 40.0);
    CGFloat y = height - stripHeight - 10.0;
    if (LMLocationFromStored(m_settings->location()) == LMLocation::todayPage) {
        double factor
            = m_settings->shouldShowStatusBar() ? static_cast<double>(0.075f) : static_cast<double>(0.05f);
        y = height - stripHeight - std::max(height, width) * factor;
    }
    setFrame(CGRectMake(0, y, width, stripHeight));
}

void LMAppLauncherView::update()
{
    for (auto subviews = this->subviews(); auto& subview : subviews)
        subview->removeFromSuperview();

    auto row = UIScrollView::create(CGRectMake(20.0, 5.0, width() - 40.0, height() - 10.0));
    row->setBackgroundColor(UIColor::clearColor());
    row->setAlpha(0.8);
    row->setScrollEnabled(true);
    row->setShowsHorizontalScrollIndicator(false);
    row->setCanCancelContentTouches(true);
    addSubview(row);

    auto items = m_settings->useCustomApps() ? chosenItems() : switcherItems();
    if (!items)
        return;
    auto self = objc::retain(this);
    bool square = m_settings->appLauncherShape() == 1;
    CGFloat side = row->height();
    CGFloat x = 0;
    for (auto& item : *items) {
        auto icon = LMAppLauncherAppIconImageView::create(*item);
        icon->setFrame(CGRectMake(x, 0, side, side));
        auto& layer = icon->layer();
        if (square) {
            layer.setCornerRadius(1.0);
        } else {
            layer.setCornerRadius(icon->width() / 2);
            layer.setBorderColor(contracts::UIImageOBAdditions::mergedColor(icon->image().get()));
            layer.setBorderWidth(2.0);
        }
        layer.setMasksToBounds(true);
        row->addSubview(icon);
        icon->addGestureRecognizer(
            std::make_shared<UITapGestureRecognizer>(self, &LMAppLauncherView::appIconSingleTapRecognizer));
        x += icon->width() + 5.0;
    }
    row->setContentSize(CGSizeMake(x, side));
}

void LMAppLauncherView::appIconSingleTapRecognizer(UITapGestureRecognizer* recognizer)
{
    auto icon = objc::cast<LMAppLauncherAppIconImageView>(recognizer->view());
    if (!icon)
        return;
    static objc::ClassRef controllerClass { "OBSBUIController" };
    const auto& activate = LMLocationFromStored(m_settings->location()) == LMLocation::lockScreen
        ? contracts::OBSBUIController::activateApplicationPromptToUnlockIfNecessary
        : contracts::OBSBUIController::activateApplication;
    activate.toClass(controllerClass, icon->app());
}
