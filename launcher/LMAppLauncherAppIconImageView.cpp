#include "launcher/LMAppLauncherAppIconImageView.h"

#include "contracts/OBAppItem.h"

std::shared_ptr<LMAppLauncherAppIconImageView> LMAppLauncherAppIconImageView::create(
    contracts::OBAppItem& item)
{
    auto icon = std::make_shared<LMAppLauncherAppIconImageView>();
    auto itemView = item.iconImageView();
    icon->setImage(itemView ? itemView->image() : nullptr);
    icon->setApp(item.app());
    icon->setUserInteractionEnabled(true);
    return icon;
}
