#include "objc/Runtime.h"
#include "orblib/DeviceApps.h"
#include "orblib/OBAppListTableViewController.h"
#include "support/TemporaryDeviceRoot.h"
#include "uikit/NSIndexPath.h"
#include "uikit/UISwitch.h"
#include "uikit/UITableView.h"
#include "uikit/UITableViewCell.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

constexpr const char* listFile
    = "/private/var/mobile/Library/Preferences/com.example.test.applist.activeapps";

struct Scene {
    Scene()
    {
        objc::Runtime::beginProcess();
        orblib::DeviceApps::setApps({ { "com.example.zebra", "Zebra", nullptr, {} },
            { "com.example.ant", "Ant", nullptr, {} }, { "com.example.moth", "Moth", nullptr, {} } });
        list = orblib::OBAppListTableViewController::create();
        list->tableView()->setFrame(CGRectMake(0, 0, 320, 480));
    }
    std::shared_ptr<UISwitch> toggle(NSInteger row)
    {
        auto cell = list->tableView()->cellForRowAtIndexPath(NSIndexPath(row, 0));
        return cell ? std::dynamic_pointer_cast<UISwitch>(cell->accessoryView()) : nullptr;
    }
    std::string file() const
    {
        std::ifstream in(root.hostPath(listFile));
        return { std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>() };
    }

    TemporaryDeviceRoot root;
    std::shared_ptr<orblib::OBAppListTableViewController> list;
};

} // namespace

TEST(OBAppListTableViewController, ListsAppsByNameAndWritesTheOnesSwitchedOnInThatOrder)
{
    Scene scene;
    scene.list->useBundleIdentifier("com.example.test", false);
    scene.list->tableView()->layoutIfNeeded();
    auto& table = *scene.list->tableView();
    ASSERT_EQ(table.numberOfRowsInSection(0), 3);
    EXPECT_EQ(table.cellForRowAtIndexPath(NSIndexPath(0, 0))->accessibilityIdentifier(), "com.example.ant");
    for (NSInteger row : { 2, 0 }) {
        auto toggle = scene.toggle(row);
        ASSERT_TRUE(toggle && !toggle->isOn());
        toggle->setOn(true);
        toggle->sendActionsForControlEvents(UIControlEventValueChanged);
    }
    EXPECT_EQ(scene.file(), "com.example.zebra\ncom.example.ant\n");
    scene.toggle(2)->setOn(false);
    scene.toggle(2)->sendActionsForControlEvents(UIControlEventValueChanged);
    EXPECT_EQ(scene.file(), "com.example.ant\n");
}

TEST(OBAppListTableViewController, ReadsAnExistingFileAndOtherwiseStartsAllOnOrAllOff)
{
    {
        Scene scene;
        scene.root.write(listFile, "com.example.moth:extra\n\ncom.example.gone\ncom.example.moth\n");
        scene.list->useBundleIdentifier("com.example.test", true);
        EXPECT_EQ(
            scene.list->enabledApps(), (std::vector<std::string> { "com.example.moth", "com.example.gone" }));
    }
    for (bool allOn : { true, false }) {
        Scene scene;
        scene.list->useBundleIdentifier("com.example.test", allOn);
        EXPECT_EQ(scene.list->enabledApps().size(), allOn ? 3u : 0u);
        scene.list->useBundleIdentifier("../escape", true);
        EXPECT_EQ(scene.list->enabledApps().size(), allOn ? 3u : 0u)
            << "an identifier with a folder is refused";
    }
}
