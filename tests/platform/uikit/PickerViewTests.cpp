#include "uikit/NSAttributedString.h"
#include "uikit/UILabel.h"
#include "uikit/UIPickerView.h"
#include "uikit/UIPickerViewDataSource.h"
#include "uikit/UIPickerViewDelegate.h"

#include "objc/Runtime.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Hours and minutes, as the clock overlay's wheels.
class Clock : public UIPickerViewDataSource, public UIPickerViewDelegate {
public:
    std::vector<NSInteger> rows { 24, 60 };
    int titlesAsked = 0;

    NSInteger numberOfComponentsInPickerView(UIPickerView*) override
    {
        return static_cast<NSInteger>(rows.size());
    }
    NSInteger numberOfRowsInComponent(UIPickerView*, NSInteger component) override
    {
        return rows[static_cast<size_t>(component)];
    }
    std::shared_ptr<NSAttributedString> attributedTitleForRow(
        UIPickerView*, NSInteger row, NSInteger component) override
    {
        ++titlesAsked;
        if (component == 1 && row == 0)
            return nullptr;
        return NSAttributedString::create(
            (component ? "m" : "h") + std::to_string(row), { {}, UIColor::whiteColor(), {} });
    }
};

class PickerViewTest : public testing::Test {
protected:
    void SetUp() override
    {
        objc::Runtime::beginProcess();
        m_clock = std::make_shared<Clock>();
        m_picker = UIPickerView::create(CGRectMake(0, 0, 345.6, 216));
        m_picker->setDataSource(m_clock);
        m_picker->setDelegate(m_clock);
    }

    std::string shownTitle(NSInteger row, NSInteger component)
    {
        auto label = m_picker->viewForRow(row, component);
        return label ? label->text() : "-";
    }

    std::shared_ptr<Clock> m_clock;
    std::shared_ptr<UIPickerView> m_picker;
};

} // namespace

TEST_F(PickerViewTest, WheelsShowTheDelegatesTitlesAroundTheSelectedRows)
{
    m_picker->selectRow(11, 0, false);
    m_picker->selectRow(59, 1, false);
    m_picker->layoutIfNeeded();

    EXPECT_EQ(m_picker->selectedRowInComponent(0), 11);
    EXPECT_EQ(m_picker->selectedRowInComponent(1), 59);
    auto middle = m_picker->viewForRow(11, 0);
    ASSERT_TRUE(middle);
    EXPECT_EQ(middle->frame(), CGRectMake(0, 92, 172.8, 32));
    EXPECT_EQ(middle->alpha(), 1);
    EXPECT_TRUE(
        middle->attributedText()->attributesAtIndex(0).foregroundColor->isEqual(*UIColor::whiteColor()));
    EXPECT_LT(m_picker->viewForRow(12, 0)->alpha(), 1);
    const std::vector<std::pair<NSInteger, std::string>> hours { { 7, "-" }, { 8, "h8" }, { 14, "h14" },
        { 15, "-" } };
    for (auto& [row, title] : hours)
        EXPECT_EQ(shownTitle(row, 0), title) << row;
    EXPECT_EQ(shownTitle(56, 1), "m56");
    EXPECT_EQ(shownTitle(60, 1), "-");
    EXPECT_DOUBLE_EQ(m_picker->viewForRow(59, 1)->frame().origin.x, 345.6 / 2);
}

TEST_F(PickerViewTest, SelectionsStayWithinTheRowsAsTheyChange)
{
    m_picker->selectRow(99, 1, false);
    EXPECT_EQ(m_picker->selectedRowInComponent(1), 59);
    m_picker->selectRow(-3, 0, false);
    EXPECT_EQ(m_picker->selectedRowInComponent(0), 0);
    EXPECT_EQ(m_picker->selectedRowInComponent(2), -1);

    m_clock->rows = { 0, 10 };
    EXPECT_EQ(m_picker->numberOfRowsInComponent(1), 60);
    m_picker->reloadAllComponents();
    EXPECT_EQ(m_picker->numberOfRowsInComponent(1), 10);
    EXPECT_EQ(m_picker->selectedRowInComponent(1), 9);
    EXPECT_EQ(m_picker->selectedRowInComponent(0), -1);

    // A row without a title shows the platform's question mark.
    m_picker->selectRow(0, 1, false);
    m_picker->layoutIfNeeded();
    EXPECT_EQ(shownTitle(0, 1), "?");
}
