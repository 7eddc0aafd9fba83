#include "prefs/LMSkipraAppListTableViewCell.h"

#include "contracts/OBAppListTableViewController.h"
#include "objc/ClassRef.h"
#include "uikit/UIColor.h"
#include "uikit/UIScreen.h"
#include "uikit/UITableView.h"

void LMSkipraAppListTableViewCell::initWithStyle(
    UITableViewCellStyle style, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier> specifier)
{
    super::initWithStyle(style, reuseIdentifier, std::move(specifier));
    setBackgroundColor(UIColor::clearColor());
    static objc::ClassRef appListClass { "OBAppListTableViewController" };
    m_tableViewController = contracts::shared<contracts::OBAppListTableViewController>(appListClass);
    if (m_tableViewController)
        addSubview(m_tableViewController->tableView());
}

// Setting its own frame here only marks the cell for another layout: the toolkit never lays a
// view out from inside setFrame, and the second pass finds the frame already right.
void LMSkipraAppListTableViewCell::layoutSubviews()
{
    super::layoutSubviews();
    auto screenHeight = UIScreen::mainScreen()->bounds().size.height;
    setFrame(CGRectMake(frame().origin.x, frame().origin.y, bounds().size.width, screenHeight));
    if (!m_tableViewController)
        return;
    m_tableViewController->useBundleIdentifier(std::string(appListBundleIdentifier), false);
    m_tableViewController->changeFrame(
        CGRectMake(0, 0, bounds().size.width, screenHeight * listShareOfScreen));
}
