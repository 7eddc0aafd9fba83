#pragma once

#include "LMKalendoMissiva/LMSchedule.h"
#include "LMKalendoMissiva/LMTableCellSource.h"
#include "foundation/NSObjCRuntime.h"

#include <functional>
#include <memory>
#include <string>

class NSIndexPath;
class UIColor;
class UIImage;
class UITableViewCell;
class UIView;
namespace contracts {
class OBNotificationRow;
class OBNotificationSection;
}

using LMNotificationList = std::vector<std::shared_ptr<contracts::OBNotificationRow>>;

// Builds the headers and rows that stand for data: schedule and notification section headers,
// the warning shown when the first notification section has no app, and both kinds of row.
// Every one is made afresh each time the table asks for it; the controller adds their gestures.
class LMTableCellBuilder {
public:
    explicit LMTableCellBuilder(LMTableCellSource&);

    static std::shared_ptr<UITableViewCell> plainCell();
    // The warning's text for the running system: the sorting setting's name changed with 9.0.
    static std::string warningText();

    std::shared_ptr<UIView> eventHeader(NSInteger section, const LMEventList*);
    std::shared_ptr<UIView> notificationHeader(NSInteger section, NSInteger key,
        const std::shared_ptr<contracts::OBNotificationSection>&, const LMNotificationList*);
    std::shared_ptr<UITableViewCell> eventRow(const std::shared_ptr<NSIndexPath>&, const LMEventList*);
    std::shared_ptr<UITableViewCell> notificationRow(
        const std::shared_ptr<NSIndexPath>&, const LMNotificationList*);

private:
    enum class Module { Kalendo, Missiva };
    std::shared_ptr<UIColor> automaticColor(
        Module, const std::string& identifier, const std::function<std::shared_ptr<UIImage>()>& source);
    void addBackground(UITableViewCell&, Module, const std::shared_ptr<UIColor>& automatic, bool header);
    std::shared_ptr<UIView> warningView();
    CGRect cellFrame() const;

    LMTableCellSource& m_source;
    const LMSettings& m_settings;
    CGFloat m_width;
};
