#include "PictureCheck.h"

#include "render/ViewRenderer.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UIAlertView.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

using render::ViewRenderer;

namespace {

// Two sections, as the schedule shows them: a titled header, rows, and a gap after each.
class TwoSections : public UITableViewDataSource, public UITableViewDelegate {
public:
    static constexpr std::array<const char*, 2> titles { "Today", "Notifications" };

    NSInteger numberOfSectionsInTableView(UITableView*) override { return 2; }
    NSInteger numberOfRowsInSection(UITableView*, NSInteger section) override { return section ? 3 : 2; }
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>& path) override
    {
        auto cell = UITableViewCell::create();
        cell->setBackgroundColor(UIColor::colorWithWhite(1, path->row() % 2 ? 0.1 : 0.2));
        cell->textLabel()->setTextColor(UIColor::whiteColor());
        cell->textLabel()->setFont(UIFont::fontWithName("HelveticaNeue-Light", 14));
        cell->textLabel()->setText(std::string(titles[static_cast<size_t>(path->section())]) + ", row "
            + std::to_string(path->row() + 1));
        return cell;
    }
    CGFloat heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>&) override { return 30; }
    CGFloat heightForHeaderInSection(UITableView*, NSInteger) override { return 26; }
    CGFloat heightForFooterInSection(UITableView*, NSInteger) override { return 10; }
    std::shared_ptr<UIView> viewForHeaderInSection(UITableView*, NSInteger section) override
    {
        auto label = UILabel::create(CGRectMake(0, 0, 200, 26));
        label->setText(titles[static_cast<size_t>(section)]);
        label->setFont(UIFont::boldSystemFontOfSize(13));
        label->setTextColor(UIColor::colorWithRed(1, 0.8, 0.3, 1));
        label->setTextAlignment(NSTextAlignmentCenter);
        return label;
    }
};

} // namespace

TEST(ScreenRendering, DrawsATableWithTwoSections)
{
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 220, 240));
    window->setBackgroundColor(UIColor::colorWithRed(0.1, 0.15, 0.3, 1));
    auto source = std::make_shared<TwoSections>();
    auto table = UITableView::create(CGRectMake(10, 10, 200, 220), UITableViewStyleGrouped);
    table->setBackgroundColor(UIColor::clearColor());
    table->setSeparatorColor(UIColor::colorWithWhite(1, 0.5));
    table->setDataSource(source);
    table->setDelegate(source);
    window->addSubview(table);

    EXPECT_TRUE(matchesReference(ViewRenderer(2).renderScreen(*window), "table-two-sections"));
}

TEST(ScreenRendering, DrawsAlertsOnTopOfTheWindow)
{
    UIScreen::setMainScreen(CGRectMake(0, 0, 300, 240), 2);
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 300, 240));
    window->setBackgroundColor(UIColor::colorWithRed(0.2, 0.5, 0.3, 1));
    auto alert = UIAlertView::create(
        "Clear all?", "Every notification in the list goes.", {}, "Cancel", { "Clear" });
    alert->show();
    auto topmost = UIView::create(CGRectMake(0, 0, 300, 40));
    topmost->setBackgroundColor(UIColor::redColor());
    window->addSubview(topmost);

    EXPECT_TRUE(matchesReference(ViewRenderer(2).renderScreen(*window), "alert-over-window"));
}
