#include "foundation/DeviceFileSystem.h"
#include "foundation/NSNumber.h"
#include "foundation/NSString.h"
#include "foundation/ScalarValue.h"
#include "objc/Runtime.h"
#include "preferences/PSEditableTableCell.h"
#include "preferences/PSListController.h"
#include "preferences/PSSliderTableCell.h"
#include "preferences/PSSpecifier.h"
#include "preferences/PSSwitchTableCell.h"
#include "preferences/PreferencePlist.h"
#include "preferences/SettingsApplication.h"
#include "support/TemporaryDeviceRoot.h"
#include "uikit/UILabel.h"
#include "uikit/UINavigationController.h"
#include "uikit/UIScreen.h"
#include "uikit/UISlider.h"
#include "uikit/UISwitch.h"
#include "uikit/UITableView.h"
#include "uikit/UIWindow.h"

#include <gtest/gtest.h>

#include <algorithm>

// Not tested here: the themed cells and pages of the bundle (tests/prefs), pictures.

namespace {

constexpr const char* bundle = "/Library/PreferenceBundles/Test.bundle";
constexpr const char* preferenceFile = "/private/var/mobile/Library/Preferences/com.example.test.plist";

const char* const specifierFile = R"(<?xml version="1.0" encoding="UTF-8"?>
<plist version="1.0"><dict><key>title</key><string>Test</string><key>items</key><array>
<dict><key>cell</key><string>PSGroupCell</string><key>label</key><string>Group</string>
  <key>footerText</key><string>A note under the group.</string></dict>
<dict><key>cell</key><string>PSSwitchCell</string><key>label</key><string>Flag</string>
  <key>key</key><string>flag</string><key>defaults</key><string>com.example.test</string><key>default</key><true/></dict>
<dict><key>cell</key><string>PSSliderCell</string><key>key</key><string>level</string>
  <key>defaults</key><string>com.example.test</string><key>min</key><real>0</real><key>max</key><real>10</real></dict>
<dict><key>cell</key><string>PSEditTextCell</string><key>label</key><string>Name</string><key>key</key><string>name</string>
  <key>defaults</key><string>com.example.test</string><key>default</key><string>none</string></dict>
<dict><key>cell</key><string>PSLinkListCell</string><key>label</key><string>Size</string><key>key</key><string>size</string>
  <key>defaults</key><string>com.example.test</string><key>default</key><integer>2</integer>
  <key>validValues</key><array><integer>1</integer><integer>2</integer></array>
  <key>validTitles</key><array><string>Small</string><string>Large</string></array></dict>
<dict><key>cell</key><string>PSGroupCell</string></dict>
<dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>More</string><key>detail</key><string>TestSubPage</string></dict>
<dict><key>cell</key><string>PSLinkCell</string><key>label</key><string>Nowhere</string><key>detail</key><string>NoSuchPage</string></dict>
<dict><key>cell</key><string>PSButtonCell</string><key>label</key><string>Press</string><key>action</key><string>press</string></dict>
<dict><key>cell</key><string>PSButtonCell</string><key>label</key><string>Other</string><key>action</key><string>noSuchMethod</string></dict>
<dict><key>cell</key><string>PSNoSuchCell</string><key>label</key><string>Skipped</string></dict>
</array></dict></plist>)";

class TestPage : public PSListController {
    OBJC_CLASS(TestPage, PSListController)
public:
    const std::vector<std::shared_ptr<PSSpecifier>>& specifiers() override
    {
        if (m_specifiers.empty())
            m_specifiers = loadSpecifiersFromPlistName("Test", shared_from_this());
        return m_specifiers;
    }
    void press() { ++presses; }
    int presses { 0 };
};

class TestSubPage : public PSListController {
    OBJC_CLASS(TestSubPage, PSListController)
};

void registerTestClasses()
{
    PSListController::registerPageClass<TestPage>();
    PSListController::registerPageClass<TestSubPage>();
    TestPage::staticClass()->addMethod(sel_registerName("press"), objc::implementation<&TestPage::press>);
}

struct Scene {
    Scene()
    {
        objc::Runtime::beginProcess();
        UIScreen::setMainScreen(CGRectMake(0, 0, 375, 667), 2);
        root.write(std::string(bundle) + "/Test.plist", specifierFile);
        app = std::make_unique<preferences::SettingsApplication>(std::vector<preferences::PreferenceBundle> {
            { "Test", bundle, "TestPage", { &registerTestClasses } } });
        app->open();
        app->topPage()->selectSpecifier(app->topPage()->specifiers().at(1));
        page = std::dynamic_pointer_cast<TestPage>(app->topPage());
        app->window()->layoutIfNeeded();
    }
    std::shared_ptr<PSTableCell> cell(size_t index)
    {
        return page->cachedCellForSpecifier(*page->specifiers().at(index));
    }
    std::shared_ptr<NSObject> stored(const char* key)
    {
        return preferences::PreferencePlist::value(preferenceFile, key);
    }

    TemporaryDeviceRoot root;
    std::unique_ptr<preferences::SettingsApplication> app;
    std::shared_ptr<TestPage> page;
};

double number(const std::shared_ptr<NSObject>& value)
{
    auto* scalar = foundation::ScalarValue::of(value);
    return scalar ? scalar->doubleValue() : -1;
}

} // namespace

TEST(PSListController, LoadsTheRowsOfItsSpecifierFileInGroupsAndSkipsUnknownCells)
{
    Scene scene;
    ASSERT_TRUE(scene.page);
    EXPECT_EQ(scene.page->title(), "Test");
    EXPECT_EQ(scene.page->specifiers().size(), 10u);
    auto& table = *scene.page->table();
    EXPECT_EQ(table.numberOfSections(), 2);
    EXPECT_EQ(table.numberOfRowsInSection(0), 4);
    EXPECT_EQ(table.numberOfRowsInSection(1), 4);
    EXPECT_TRUE(objc::cast<PSSwitchTableCell>(scene.cell(1)));
    EXPECT_TRUE(objc::cast<PSSliderTableCell>(scene.cell(2)));
    EXPECT_TRUE(objc::cast<PSEditableTableCell>(scene.cell(3)));
    EXPECT_EQ(scene.cell(4)->valueText(), "Large") << "the default's title, nothing stored yet";
}

TEST(PSListController, AMissingOrMalformedSpecifierFileGivesAnEmptyPage)
{
    Scene scene;
    for (auto text : { "", "<plist><array/></plist>", "not a property list" }) {
        scene.root.write(std::string(bundle) + "/Test.plist", text);
        auto page = PSListController::pageOfClass(objc_getClass("TestPage"));
        page->setBundlePath(bundle);
        EXPECT_TRUE(page->specifiers().empty()) << text;
    }
    auto page = PSListController::pageOfClass(objc_getClass("TestPage"));
    page->setBundlePath("/nowhere");
    EXPECT_TRUE(page->specifiers().empty());
    EXPECT_TRUE(page->loadSpecifiersFromPlistName("../Test", page).empty());
}

TEST(PSListController, ControlsStoreTheirValuesInTheirPreferenceFileAsABinaryPropertyList)
{
    Scene scene;
    scene.root.write(preferenceFile, "<plist><dict><key>other</key><string>kept</string></dict></plist>");
    auto flag = objc::cast<UISwitch>(objc::cast<PSSwitchTableCell>(scene.cell(1))->control());
    EXPECT_TRUE(flag->isOn()) << "the default";
    flag->setOn(false);
    flag->sendActionsForControlEvents(UIControlEventValueChanged);
    auto slider = objc::cast<UISlider>(objc::cast<PSSliderTableCell>(scene.cell(2))->control());
    slider->setValue(7.5);
    slider->sendActionsForControlEvents(UIControlEventValueChanged);
    EXPECT_TRUE(scene.cell(3)->typeText("Ada"));
    EXPECT_FALSE(scene.cell(1)->typeText("Ada")) << "a switch row takes no typing";

    auto bytes = foundation::DeviceFileSystem::readFile(preferenceFile);
    ASSERT_TRUE(bytes);
    EXPECT_EQ(std::string(bytes->begin(), bytes->begin() + 6), "bplist");
    EXPECT_EQ(number(scene.stored("flag")), 0);
    EXPECT_EQ(number(scene.stored("level")), 7.5);
    EXPECT_EQ(objc::cast<NSString>(scene.stored("name"))->UTF8String(), "Ada");
    EXPECT_EQ(objc::cast<NSString>(scene.stored("other"))->UTF8String(), "kept");

    scene.page->clearCache();
    scene.page->reload();
    scene.app->window()->layoutIfNeeded();
    EXPECT_FALSE(objc::cast<UISwitch>(objc::cast<PSSwitchTableCell>(scene.cell(1))->control())->isOn());
    EXPECT_EQ(scene.cell(3)->valueText(), "Ada");
}

TEST(PSListController, AListRowOpensItsChoicesAndStoresTheOneTapped)
{
    Scene scene;
    scene.page->selectSpecifier(scene.page->specifiers().at(4));
    auto items = scene.app->topPage();
    ASSERT_NE(items, scene.page);
    EXPECT_EQ(items->title(), "Size");
    scene.app->window()->layoutIfNeeded();
    items->selectSpecifier(items->specifiers().at(1));
    EXPECT_EQ(number(scene.stored("size")), 1);
    scene.app->goBack();
    scene.app->window()->layoutIfNeeded();
    EXPECT_EQ(scene.cell(4)->valueText(), "Small");
}

TEST(PSListController, LinksOpenPagesByClassNameAndButtonsCallTheTargetsMethodByName)
{
    Scene scene;
    auto& specifiers = scene.page->specifiers();
    scene.page->selectSpecifier(specifiers.at(8));
    scene.page->selectSpecifier(specifiers.at(9));
    EXPECT_EQ(scene.page->presses, 1) << "an action the page lacks does nothing";
    scene.page->selectSpecifier(specifiers.at(7));
    EXPECT_EQ(scene.app->topPage(), scene.page) << "a class nobody has opens nothing";
    scene.page->selectSpecifier(specifiers.at(6));
    auto sub = scene.app->topPage();
    ASSERT_TRUE(objc::cast<TestSubPage>(sub));
    EXPECT_EQ(sub->title(), "More");
    EXPECT_EQ(sub->bundlePath(), bundle);
}
