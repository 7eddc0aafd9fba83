// Not yet tested here: separators under a plain table's rows in a picture.
#include "uikit/NSIndexPath.h"
#include "uikit/UIPanGestureRecognizer.h"
#include "uikit/UIScreen.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/UITapGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIWindow.h"

#include "dispatch/RunLoop.h"
#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

// Two sections as the schedule table has them: a short summary header with no rows, then a
// section with a header, rows and a footer view.
class Schedule : public UITableViewDataSource, public UITableViewDelegate {
public:
    std::vector<NSInteger> rows { 0, 3 };
    int cellsMade = 0;
    // Each cell made gets a tap that reports its row here.
    NSInteger* tapped = nullptr;

    NSInteger numberOfSectionsInTableView(UITableView*) override
    {
        return static_cast<NSInteger>(rows.size());
    }
    NSInteger numberOfRowsInSection(UITableView*, NSInteger section) override
    {
        return rows[static_cast<size_t>(section)];
    }
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>& path) override
    {
        ++cellsMade;
        auto cell = UITableViewCell::create();
        cell->setTag(path->section() * 100 + path->row());
        if (tapped) {
            auto tap = std::make_shared<UITapGestureRecognizer>();
            tap->addTarget([this, row = path->row()](UIGestureRecognizer*) { *tapped = row; });
            cell->addGestureRecognizer(tap);
        }
        return cell;
    }
    CGFloat heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>&) override { return 40; }
    CGFloat heightForHeaderInSection(UITableView*, NSInteger section) override
    {
        return section == 0 ? 26 : 40;
    }
    CGFloat heightForFooterInSection(UITableView*, NSInteger) override { return 10; }
    std::shared_ptr<UIView> viewForHeaderInSection(UITableView* table, NSInteger section) override
    {
        // Made taller than its header, as the panel's summary line is: the table sizes it.
        return UIView::create(CGRectMake(0, 0, table->width(), 40 + section));
    }
    std::shared_ptr<UIView> viewForFooterInSection(UITableView*, NSInteger section) override
    {
        return section == 1 ? UIView::create() : nullptr;
    }
};

class TableViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        dispatch::RunLoop::main().reset(1000);
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
        m_schedule = std::make_shared<Schedule>();
        m_table = UITableView::create(CGRectZero, UITableViewStyleGrouped);
        m_table->setDataSource(m_schedule);
        m_table->setDelegate(m_schedule);
    }

    std::shared_ptr<Schedule> m_schedule;
    std::shared_ptr<UITableView> m_table;
};

} // namespace

TEST_F(TableViewTest, ReloadLaysSectionsOutFromTheDataSourcesAnswers)
{
    m_table->setFrame(CGRectMake(20, 100, 335, 200));
    m_table->reloadData();

    ASSERT_EQ(m_table->numberOfSections(), 2);
    EXPECT_EQ(m_table->numberOfRowsInSection(0), 0);
    EXPECT_EQ(m_table->numberOfRowsInSection(1), 3);
    EXPECT_EQ(m_table->headerViewForSection(0)->frame(), CGRectMake(0, 0, 335, 26));
    EXPECT_EQ(m_table->footerViewForSection(0), nullptr);
    EXPECT_EQ(m_table->rectForFooterInSection(0), CGRectMake(0, 26, 335, 10));
    EXPECT_EQ(m_table->headerViewForSection(1)->frame(), CGRectMake(0, 36, 335, 40));
    for (NSInteger row = 0; row < 3; ++row) {
        auto cell = m_table->cellForRowAtIndexPath(NSIndexPath(row, 1));
        ASSERT_TRUE(cell);
        EXPECT_EQ(cell->tag(), 100 + row);
        EXPECT_EQ(cell->frame(), CGRectMake(0, 76 + 40 * row, 335, 40));
    }
    EXPECT_EQ(m_table->footerViewForSection(1)->frame(), CGRectMake(0, 196, 335, 10));
    EXPECT_EQ(m_table->contentSize(), CGSizeMake(335, 206));
    EXPECT_EQ(m_table->rectForSection(1), CGRectMake(0, 36, 335, 170));
    EXPECT_EQ(m_table->rectForRowAtIndexPath(NSIndexPath(2, 1)), CGRectMake(0, 156, 335, 40));
    EXPECT_EQ(m_table->cellForRowAtIndexPath(NSIndexPath(3, 1)), nullptr);

    // A new width moves what is there; a reload asks again and replaces every view.
    m_table->setFrame(CGRectMake(20, 100, 200, 200));
    m_table->layoutIfNeeded();
    EXPECT_EQ(m_table->cellForRowAtIndexPath(NSIndexPath(2, 1))->frame(), CGRectMake(0, 156, 200, 40));
    EXPECT_EQ(m_schedule->cellsMade, 3);
    auto oldCell = m_table->cellForRowAtIndexPath(NSIndexPath(0, 1));
    m_schedule->rows = { 0, 1 };
    m_table->reloadData();
    EXPECT_EQ(m_schedule->cellsMade, 4);
    EXPECT_EQ(oldCell->superview(), nullptr);
    EXPECT_EQ(m_table->contentSize(), CGSizeMake(200, 126));
}

TEST_F(TableViewTest, ATableLoadsAtItsFirstLayoutAndTreatsBadCountsSafely)
{
    m_table->setFrame(CGRectMake(0, 0, 320, 100));
    EXPECT_EQ(m_schedule->cellsMade, 0);
    m_table->layoutIfNeeded();
    // Only the first row starts above the table's bottom (76 of 100).
    EXPECT_EQ(m_schedule->cellsMade, 1);

    m_schedule->rows = { -4, 0 };
    m_table->reloadData();
    EXPECT_EQ(m_table->numberOfRowsInSection(0), 0);
    EXPECT_EQ(m_table->contentSize(), CGSizeMake(320, 86));

    // Without a data source the table is empty; losing the delegate brings back the defaults.
    auto plain = UITableView::create(CGRectMake(0, 0, 320, 100));
    auto rowsOnly = std::make_shared<Schedule>();
    rowsOnly->rows = { 2 };
    plain->reloadData();
    EXPECT_EQ(plain->numberOfSections(), 0);
    plain->setDataSource(rowsOnly);
    plain->reloadData();
    EXPECT_EQ(plain->contentSize(), CGSizeMake(320, 2 * UITableView::defaultRowHeight));
}

TEST_F(TableViewTest, OnlyThePlacesOnScreenHaveViewsAndScrollingBringsTheOthers)
{
    m_schedule->rows = { 0, 500 };
    m_table->setFrame(CGRectMake(0, 0, 320, 200));
    m_table->reloadData();
    // Rows 0 to 3 start within the table's 200 points (the first at 76).
    EXPECT_EQ(m_schedule->cellsMade, 4);
    EXPECT_EQ(m_table->numberOfRowsInSection(1), 500);
    EXPECT_EQ(m_table->contentSize().height, 36 + 40 + 500 * 40 + 10);
    EXPECT_TRUE(m_table->cellForRowAtIndexPath(NSIndexPath(3, 1)));
    EXPECT_FALSE(m_table->cellForRowAtIndexPath(NSIndexPath(4, 1)));
    EXPECT_EQ(m_table->rectForRowAtIndexPath(NSIndexPath(499, 1)), CGRectMake(0, 76 + 499 * 40, 320, 40));

    // Scrolled to the end: the rows that came into view are asked for, the rest are dropped with
    // the headers above, and the subviews stay in the table's order.
    auto first = m_table->cellForRowAtIndexPath(NSIndexPath(0, 1));
    m_table->setContentOffset(CGPointMake(0, m_table->contentSize().height - 200));
    m_table->layoutIfNeeded();
    EXPECT_EQ(first->superview(), nullptr);
    EXPECT_EQ(m_table->headerViewForSection(1), nullptr);
    EXPECT_TRUE(m_table->footerViewForSection(1));
    std::vector<NSInteger> tags;
    for (auto& view : m_table->subviews())
        tags.push_back(view->tag());
    // Five rows, the footer, then the separators under the four rows that are not the last.
    EXPECT_EQ(tags, (std::vector<NSInteger> { 595, 596, 597, 598, 599, 0, 0, 0, 0, 0 }));
    EXPECT_EQ(m_table->subviews().back()->frame(),
        CGRectMake(UITableViewCell::textMargin, 76 + 499 * 40 - 0.5, 320 - UITableViewCell::textMargin, 0.5));
    EXPECT_EQ(m_schedule->cellsMade, 4 + 5);

    // Back at the top, the header is asked for again; a search of the tree sees every place
    // until the next layout.
    m_table->setContentOffset(CGPointMake(0, 0));
    m_table->layoutIfNeeded();
    EXPECT_TRUE(m_table->headerViewForSection(1));
    m_table->loadOffScreenViews();
    EXPECT_TRUE(m_table->cellForRowAtIndexPath(NSIndexPath(250, 1)));
    m_table->layoutIfNeeded();
    EXPECT_FALSE(m_table->cellForRowAtIndexPath(NSIndexPath(250, 1)));
}

TEST_F(TableViewTest, ReloadingSectionsAsksAgainForThemAlone)
{
    m_table->setFrame(CGRectMake(0, 0, 320, 400));
    m_table->reloadData();
    auto summary = m_table->headerViewForSection(0);
    auto row = m_table->cellForRowAtIndexPath(NSIndexPath(0, 1));
    m_schedule->rows = { 0, 4 };
    m_table->reloadSections({ 1 });
    EXPECT_EQ(m_table->headerViewForSection(0), summary);
    EXPECT_NE(m_table->cellForRowAtIndexPath(NSIndexPath(0, 1)), row);
    EXPECT_EQ(row->superview(), nullptr);
    EXPECT_EQ(m_table->numberOfRowsInSection(1), 4);
    EXPECT_EQ(m_table->footerViewForSection(1)->frame(), CGRectMake(0, 236, 320, 10));
    EXPECT_EQ(m_table->contentSize(), CGSizeMake(320, 246));

    // A changed number of sections reloads everything.
    m_schedule->rows = { 0, 4, 2 };
    m_table->reloadSections({ 1 });
    EXPECT_EQ(m_table->numberOfSections(), 3);
    EXPECT_NE(m_table->headerViewForSection(0), summary);
}

TEST_F(TableViewTest, AMissingCellIsAProgrammingError)
{
    struct Broken : Schedule {
        std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
            UITableView*, const std::shared_ptr<NSIndexPath>&) override
        {
            return nullptr;
        }
    };
    auto broken = std::make_shared<Broken>();
    m_table->setFrame(CGRectMake(0, 0, 320, 200));
    m_table->setDataSource(broken);
    EXPECT_THROW(m_table->reloadData(), std::logic_error);
}

TEST_F(TableViewTest, AFingerScrollsTheContentAndTapsLandOnWhatIsUnderItAfterwards)
{
    auto window = std::make_shared<UIWindow>(CGRectMake(0, 0, 375, 667));
    UITouchSimulator finger(window);
    m_schedule->rows = { 0, 10 };
    m_table->setFrame(CGRectMake(20, 100, 335, 200));
    window->addSubview(m_table);
    NSInteger tapped = -1;
    m_schedule->tapped = &tapped;
    window->layoutIfNeeded();

    finger.drag(CGPointMake(100, 280), CGPointMake(100, 180));
    EXPECT_EQ(m_table->contentOffset(), CGPointMake(0, 100));
    EXPECT_EQ(tapped, -1);
    // Row 1 starts at y 116 of the content: on screen now at 100 + 116 - 100; row 0 has gone
    // above the table, so a finger there finds the window.
    finger.tap(CGPointMake(100, 120));
    EXPECT_EQ(tapped, 1);
    finger.tap(CGPointMake(100, 90));
    EXPECT_EQ(tapped, 1);

    // The offset stays within the content: 10 rows end at 486, 286 past the table's height.
    finger.drag(CGPointMake(100, 290), CGPointMake(100, 0));
    finger.drag(CGPointMake(100, 290), CGPointMake(100, 0));
    EXPECT_EQ(m_table->contentOffset(), CGPointMake(0, 286));
    m_table->setScrollEnabled(false);
    finger.drag(CGPointMake(100, 120), CGPointMake(100, 290));
    EXPECT_EQ(m_table->contentOffset(), CGPointMake(0, 286));
}
