#include "prefs/PrefsScene.h"

#include "contracts/OBAppListTableViewController.h"
#include "orblib/DeviceApps.h"
#include "orblib/OBAppListTableViewController.h"
#include "preferences/PSSwitchTableCell.h"
#include "prefs/LMSkipraAppListTableViewCell.h"
#include "prefs/LumoraColorTable.h"
#include "prefs/LumoraHeaderViewCell.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIScreen.h"
#include "uikit/UISwitch.h"
#include "uikit/UITableView.h"

#include <gtest/gtest.h>

namespace {

springboard::Device deviceOn(const std::string& version)
{
    springboard::Device device;
    device.systemVersion = version;
    return device;
}

} // namespace

TEST(ThemedCells, AMelodraSwitchShowsTheModuleColourWithTheBaseColourText)
{
    PrefsScene scene;
    scene.openLumora({ "Configuration", "Melodra" });
    auto cell = objc::cast<PSSwitchTableCell>(scene.cell("melodraEnabled"));
    ASSERT_TRUE(cell);
    auto control = objc::cast<UISwitch>(cell->control());
    ASSERT_TRUE(control && control->onTintColor());
    EXPECT_EQ(control->onTintColor()->hexString(), "#58e2c2ff");
    EXPECT_EQ(cell->textLabel()->textColor()->hexString(), "#2d1f39ff");
}

TEST(ThemedCells, TheiOS9OnlyRowsAreGreyedOutsideTheiOS9Range)
{
    const std::pair<const char*, bool> cases[]
        = { { "9.3", false }, { "9.10", false }, { "10.0", true }, { "10.2", true } };
    for (auto [version, greyed] : cases) {
        PrefsScene scene(deviceOn(version), { { "showAlarmTimer", "YES" } });
        scene.openLumora();
        auto list = scene.cell("location");
        ASSERT_TRUE(list);
        EXPECT_DOUBLE_EQ(list->alpha(), greyed ? 0.7 : 1.0) << version;
        EXPECT_EQ(list->isUserInteractionEnabled(), !greyed) << version;

        scene.select("Configuration");
        scene.select("Chronel");
        auto cell = objc::cast<PSSwitchTableCell>(scene.cell("showAlarmTimer"));
        ASSERT_TRUE(cell);
        auto control = objc::cast<UISwitch>(cell->control());
        EXPECT_DOUBLE_EQ(cell->alpha(), greyed ? 0.7 : 1.0) << version;
        EXPECT_EQ(cell->isUserInteractionEnabled(), !greyed) << version;
        EXPECT_EQ(control->isOn(), !greyed) << version;
        EXPECT_EQ(control->isEnabled(), !greyed) << version;
        EXPECT_EQ(control->onTintColor()->hexString(), "#e35071ff") << version;
        EXPECT_TRUE(PrefsScene::stored("showAlarmTimer"))
            << "greying shows the switch off, it stores nothing";
    }
}

TEST(ThemedCells, TheHeaderTitleIsAsHighAsItsRowShrinksToTheWidthAndNeverVanishes)
{
    PrefsScene scene;
    scene.openLumora();
    auto header = objc::cast<LumoraHeaderViewCell>(scene.cell("header"));
    ASSERT_TRUE(header);
    auto label = header->headerLabel();
    EXPECT_EQ(header->height(), 100);
    EXPECT_EQ(label->text(), "Lumora");
    EXPECT_EQ(label->textColor()->hexString(), "#2d1f39ff");
    EXPECT_EQ(label->font()->pointSize(), 100);
    EXPECT_EQ(label->font()->fontName(), "HelveticaNeue-UltraLight");

    header->setFrame(CGRectMake(0, 0, 120, 100));
    header->layoutIfNeeded();
    EXPECT_EQ(label->font()->pointSize(), 100);
    EXPECT_LT(label->effectiveFont()->pointSize(), 100) << "a narrow row shrinks the title to fit";

    header->setFrame(CGRectMake(0, 0, 375, 0));
    header->layoutIfNeeded();
    EXPECT_EQ(label->font()->pointSize(), LumoraHeaderViewCell::minimumFontSize);
}

TEST(AppChooser, TheCellIsAsTallAsTheScreenWithTheListAtEightyTwoPercentAndLaysOutOnce)
{
    PrefsScene scene;
    scene.openLumora({ "Configuration", "Skipra", "ChooseApps" });
    auto cell = objc::cast<LMSkipraAppListTableViewCell>(scene.cell("appChooser"));
    ASSERT_TRUE(cell && cell->tableViewController());
    auto list = cell->tableViewController()->tableView();
    EXPECT_EQ(cell->height(), 667);
    EXPECT_EQ(list->frame(), CGRectMake(0, 0, cell->width(), 667 * 0.82));

    // A frame set inside its own layout only marks the cell for one more pass, which finds the
    // frame right and stops.
    cell->setFrame(CGRectMake(0, 0, cell->width(), 44));
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->height(), 667);
    EXPECT_TRUE(cell->needsLayout());
    cell->layoutIfNeeded();
    EXPECT_FALSE(cell->needsLayout());

    UIScreen::setMainScreen(CGRectMake(0, 0, 667, 375), 2);
    cell->setNeedsLayout();
    cell->layoutIfNeeded();
    EXPECT_EQ(cell->height(), 375);
    EXPECT_EQ(list->frame(), CGRectMake(0, 0, cell->width(), 375 * 0.82));
}
