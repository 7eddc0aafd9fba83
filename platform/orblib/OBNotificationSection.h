#pragma once

#include "contracts/OBNotificationSection.h"
#include "objc/NSObject.h"
#include "orblib/OBNotificationRow.h"

namespace orblib {

// One app's pending notifications, newest first, as they were when the catalogue was made.
class OBNotificationSection : public NSObject, public contracts::OBNotificationSection {
    OBJC_CLASS(OBNotificationSection, NSObject)
public:
    OBNotificationSection(
        std::string sectionID, std::shared_ptr<contracts::SBApplication>, std::shared_ptr<UIImage> icon);

    void addRow(std::shared_ptr<OBNotificationRow> row) { m_rows.push_back(std::move(row)); }

    std::vector<std::shared_ptr<contracts::OBNotificationRow>> rows() override { return m_rows; }
    std::shared_ptr<contracts::SBApplication> sectionApp() override { return m_app; }
    std::string sectionID() override { return m_sectionID; }
    std::shared_ptr<UIImage> sectionIcon() override { return m_icon; }
    // Without an app, the view shows nothing.
    std::shared_ptr<UIImageView> sectionAppIconImageViewWithSize(double side) override;
    // Every notification of the section on the device goes, also those that came after the
    // catalogue was made.
    void removeActualNotificationSection() override;

private:
    std::string m_sectionID;
    std::shared_ptr<contracts::SBApplication> m_app;
    std::shared_ptr<UIImage> m_icon;
    std::vector<std::shared_ptr<contracts::OBNotificationRow>> m_rows;
};

} // namespace orblib
