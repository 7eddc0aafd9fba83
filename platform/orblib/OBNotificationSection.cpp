#include "orblib/OBNotificationSection.h"

#include "orblib/DeviceNotifications.h"
#include "orblib/OBImageFactory.h"
#include "uikit/UIImageView.h"

namespace orblib {

OBNotificationSection::OBNotificationSection(
    std::string sectionID, std::shared_ptr<contracts::SBApplication> app, std::shared_ptr<UIImage> icon)
    : m_sectionID(std::move(sectionID))
    , m_app(std::move(app))
    , m_icon(std::move(icon))
{ }

std::shared_ptr<UIImageView> OBNotificationSection::sectionAppIconImageViewWithSize(double side)
{
    auto view = UIImageView::create(CGRectMake(0, 0, side, side));
    if (m_icon)
        view->setImage(OBImageFactory::image(m_icon, CGSizeMake(side, side)));
    return view;
}

void OBNotificationSection::removeActualNotificationSection()
{
    DeviceNotifications::removeSection(m_sectionID);
}

} // namespace orblib
