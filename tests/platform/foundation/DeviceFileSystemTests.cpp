// Not yet tested: atomic writes racing a reader.
#include "foundation/DeviceFileSystem.h"
#include "foundation/NSBundle.h"
#include "foundation/NSData.h"
#include "foundation/NSFileManager.h"
#include "foundation/NSString.h"
#include "support/TemporaryDeviceRoot.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sys/stat.h>

namespace fs = std::filesystem;
using foundation::DeviceFileSystem;

namespace {

const char* const preferencePath = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";
const char* const bundlePath = "/Library/Application Support/Lumora/LumoraBundle.bundle";

class DeviceFileSystemTest : public testing::Test {
protected:
    TemporaryDeviceRoot m_device;
    TemporaryDeviceRoot& device() { return m_device; }
};

NSData dataOf(std::string_view text)
{
    return NSData(std::vector<std::uint8_t>(text.begin(), text.end()));
}

std::string contents(const std::shared_ptr<NSData>& data)
{
    return data ? std::string(data->bytes().begin(), data->bytes().end()) : "<nothing>";
}

} // namespace

TEST_F(DeviceFileSystemTest, PlatformPathsLiveUnderTheDeviceRoot)
{
    device().write(preferencePath, "prefs");
    EXPECT_EQ(DeviceFileSystem::resolve(preferencePath), fs::canonical(device().hostPath(preferencePath)));
    EXPECT_EQ(contents(NSFileManager::defaultManager()->contentsAtPath(preferencePath)), "prefs");
    EXPECT_EQ(
        contents(NSFileManager::defaultManager()->contentsAtPath("/private/var/../var/mobile/./Library/"
                                                                 "Preferences/com.Orbelin.Lumora.plist")),
        "prefs");
}

TEST_F(DeviceFileSystemTest, NothingOutsideTheRootIsReachable)
{
    auto outside = device().path().parent_path() / (device().path().filename().string() + "-outside");
    std::ofstream(outside) << "secret";
    auto escape = "/../" + outside.filename().string();
    fs::create_directories(device().hostPath("/private"));
    fs::create_symlink(device().path().parent_path(), device().hostPath("/private/up"));
    fs::create_symlink(outside.string() + "-missing", device().hostPath("/private/dangling"));

    const std::string refused[] = {
        escape,
        "/private/../../" + outside.filename().string(),
        "/private/up/" + outside.filename().string(),
        "/private/dangling",
        "relative/path",
        "",
    };
    auto manager = NSFileManager::defaultManager();
    for (const auto& path : refused) {
        EXPECT_EQ(DeviceFileSystem::resolve(path), std::nullopt) << path;
        EXPECT_FALSE(manager->fileExistsAtPath(path)) << path;
        EXPECT_EQ(manager->contentsAtPath(path), nullptr) << path;
        EXPECT_FALSE(dataOf("x").writeToFile(path, true)) << path;
    }
    EXPECT_EQ(contents(NSData::dataWithContentsOfFile(outside.string())), "<nothing>");
    EXPECT_FALSE(manager->removeItemAtPath("/"));
    EXPECT_TRUE(fs::exists(device().path()));
    std::ifstream stillThere(outside);
    std::string text;
    stillThere >> text;
    EXPECT_EQ(text, "secret");
    fs::remove(outside);
}

TEST_F(DeviceFileSystemTest, LinksThatStayInsideTheRootAreFollowed)
{
    device().write("/var/mobile/file.txt", "inside");
    fs::create_directories(device().hostPath("/private"));
    fs::create_symlink("../var", device().hostPath("/private/var"));
    EXPECT_EQ(NSString::stringWithContentsOfFile("/private/var/mobile/file.txt")->UTF8String(), "inside");
    EXPECT_TRUE(NSFileManager::defaultManager()->removeItemAtPath("/private/var"));
    EXPECT_TRUE(fs::exists(device().hostPath("/var/mobile/file.txt"))) << "removing a link keeps its target";
    EXPECT_FALSE(fs::exists(fs::symlink_status(device().hostPath("/private/var"))));
}

TEST(DeviceFileSystem, WithoutARootThereIsNoDisk)
{
    DeviceFileSystem::setRoot({});
    EXPECT_EQ(DeviceFileSystem::resolve("/private"), std::nullopt);
    EXPECT_EQ(NSData::dataWithContentsOfFile("/etc/hostname"), nullptr);
}

TEST_F(DeviceFileSystemTest, FileManagerCreatesWritesAndRemoves)
{
    auto manager = NSFileManager::defaultManager();
    EXPECT_FALSE(manager->createFileAtPath("/a/b/file", nullptr)) << "the folder must exist";
    EXPECT_FALSE(manager->createDirectoryAtPath("/a/b", false));
    EXPECT_TRUE(manager->createDirectoryAtPath("/a/b", true));
    auto data = dataOf("hello");
    EXPECT_TRUE(manager->createFileAtPath("/a/b/file", &data));
    bool isDirectory = true;
    EXPECT_TRUE(manager->fileExistsAtPath("/a/b/file", &isDirectory));
    EXPECT_FALSE(isDirectory);
    EXPECT_TRUE(manager->fileExistsAtPath("/a/b", &isDirectory));
    EXPECT_TRUE(isDirectory);
    EXPECT_EQ(contents(manager->contentsAtPath("/a/b/file")), "hello");
    EXPECT_TRUE(dataOf("bye").writeToFile("/a/b/file", false));
    EXPECT_EQ(contents(manager->contentsAtPath("/a/b/file")), "bye");
    EXPECT_TRUE(manager->removeItemAtPath("/a"));
    EXPECT_FALSE(manager->fileExistsAtPath("/a/b/file"));
    EXPECT_FALSE(manager->removeItemAtPath("/a"));
}

TEST_F(DeviceFileSystemTest, TextFilesMustBeUTF8)
{
    device().write("/good.txt", "caf\xC3\xA9\n");
    device().write("/bad.txt", "caf\xE9");
    device().write("/overlong.txt", "\xC0\xAF");
    EXPECT_EQ(NSString::stringWithContentsOfFile("/good.txt")->UTF8String(), "caf\xC3\xA9\n");
    EXPECT_EQ(NSString::stringWithContentsOfFile("/bad.txt"), nullptr);
    EXPECT_EQ(NSString::stringWithContentsOfFile("/overlong.txt"), nullptr);
    EXPECT_EQ(NSString::stringWithContentsOfFile("/missing.txt"), nullptr);
}

TEST_F(DeviceFileSystemTest, BundlesFindTheirResourcesByNameAndType)
{
    EXPECT_EQ(NSBundle::initWithPath(bundlePath), nullptr);
    device().write(std::string(bundlePath) + "/Weather.png", "png");
    device().write(std::string(bundlePath) + "/Battery/Battery10.png", "png");
    device().write(std::string(bundlePath) + "/README", "text");
    auto bundle = NSBundle::initWithPath(std::string(bundlePath) + "/");
    ASSERT_NE(bundle, nullptr);
    EXPECT_EQ(bundle->bundlePath(), bundlePath);
    EXPECT_EQ(bundle->pathForResource("Weather", "png"), std::string(bundlePath) + "/Weather.png");
    EXPECT_EQ(bundle->pathForResource("Battery/Battery10", "png"),
        std::string(bundlePath) + "/Battery/Battery10.png");
    EXPECT_EQ(bundle->pathForResource("README", ""), std::string(bundlePath) + "/README");
    EXPECT_EQ(bundle->pathForResource("Missing", "png"), "");
    EXPECT_EQ(bundle->pathForResource("Battery", ""), "") << "a folder is no resource";
    EXPECT_EQ(bundle->pathForResource("", "png"), "");
    EXPECT_EQ(NSBundle::initWithPath(std::string(bundlePath) + "/Weather.png"), nullptr);
}

TEST_F(DeviceFileSystemTest, SharedFoldersAreReadThroughLinksAndNeverWritten)
{
    TemporaryDeviceRoot shared; // only its folder: the device root is set again below
    auto sharedFolder = shared.path() / "Bundle";
    fs::create_directories(sharedFolder / "Battery");
    std::ofstream(sharedFolder / "Battery/Battery10.png") << "png";
    DeviceFileSystem::setRoot(device().path());
    fs::create_directories(device().hostPath("/Library"));
    fs::create_directory_symlink(sharedFolder, device().hostPath("/Library/Bundle"));
    auto manager = NSFileManager::defaultManager();
    EXPECT_FALSE(manager->fileExistsAtPath("/Library/Bundle/Battery/Battery10.png")) << "not shared yet";

    DeviceFileSystem::shareReadOnly(sharedFolder);
    EXPECT_TRUE(manager->fileExistsAtPath("/Library/Bundle/Battery/Battery10.png"));
    EXPECT_EQ(contents(manager->contentsAtPath("/Library/Bundle/Battery/Battery10.png")), "png");
    EXPECT_EQ(DeviceFileSystem::resolve("/Library/Bundle/Battery/Battery10.png"), std::nullopt);

    EXPECT_FALSE(dataOf("x").writeToFile("/Library/Bundle/Battery/Battery10.png", false));
    EXPECT_FALSE(dataOf("x").writeToFile("/Library/Bundle/New.png", true));
    EXPECT_FALSE(manager->createDirectoryAtPath("/Library/Bundle/Folder", true));
    EXPECT_FALSE(manager->removeItemAtPath("/Library/Bundle/Battery"));
    EXPECT_TRUE(fs::exists(sharedFolder / "Battery/Battery10.png"));
    EXPECT_FALSE(fs::exists(sharedFolder / "New.png"));
    EXPECT_FALSE(fs::exists(sharedFolder / "Folder"));

    EXPECT_TRUE(manager->removeItemAtPath("/Library/Bundle")) << "the link is the device's own";
    EXPECT_TRUE(fs::exists(sharedFolder / "Battery/Battery10.png"));
}

TEST_F(DeviceFileSystemTest, AnAtomicWriteFailingAtAnyStepLeavesTheOldFileWholeAndNoLeftovers)
{
    using Step = DeviceFileSystem::WriteStep;
    device().write(preferencePath, "the old file");
    std::string newer(10000, 'n');
    for (auto step : { Step::create, Step::write, Step::flush, Step::rename }) {
        SCOPED_TRACE(static_cast<int>(step));
        DeviceFileSystem::failNextWriteAt(step);
        EXPECT_FALSE(dataOf(newer).writeToFile(preferencePath, true));
        EXPECT_EQ(contents(NSFileManager::defaultManager()->contentsAtPath(preferencePath)), "the old file");
        auto folder = device().hostPath(preferencePath).parent_path();
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 1);
    }
    EXPECT_TRUE(dataOf(newer).writeToFile(preferencePath, true));
    EXPECT_EQ(contents(NSFileManager::defaultManager()->contentsAtPath(preferencePath)), newer);
}

TEST_F(DeviceFileSystemTest, LinksAreFollowedWhereverTheyStandInThePath)
{
    auto outside = device().path().parent_path() / (device().path().filename().string() + "-elsewhere");
    fs::create_directories(outside);
    device().write("/b/file.txt", "b");
    fs::create_directories(device().hostPath("/a"));
    auto link = [&](const char* devicePath, const fs::path& target) {
        fs::create_symlink(target, device().hostPath(devicePath));
    };
    link("/a/sibling", "../b");
    link("/a/chain", "sibling");
    link("/a/back", device().path() / "b");
    link("/a/up", "../b/..");
    link("/a/throughFile", "../b/file.txt/..");
    link("/a/toFile", "../b/file.txt");
    link("/a/out", outside);
    link("/a/outAndBack", "../../" + device().path().filename().string() + "/b");
    link("/a/loop", "loop2");
    link("/a/loop2", "loop");
    link("/a/dangling", "../b/missing");
    link("/a/chainToDangling", "dangling");
    link("/a/missingThenUp", "../missing/../b");

    auto root = fs::canonical(device().path());
    const std::pair<std::string, std::optional<fs::path>> cases[] = {
        { "/a/sibling/file.txt", root / "b/file.txt" },
        { "/a/chain/file.txt", root / "b/file.txt" },
        { "/a/back/file.txt", root / "b/file.txt" },
        { "/a/outAndBack/file.txt", root / "b/file.txt" },
        { "/a/up/b", root / "b" },
        { "/a/sibling/../b", root / "a/b" }, // ".." is taken before links are followed
        { "/a/sibling/new/file.txt", root / "b/new/file.txt" },
        { "/a/toFile", root / "b/file.txt" },
        { "/a/toFile/below", root / "b/file.txt/below" },
        { "/a/throughFile", std::nullopt },
        { "/a/out", std::nullopt },
        { "/a/out/new.txt", std::nullopt },
        { "/a/loop", std::nullopt },
        { "/a/loop/file.txt", std::nullopt },
        { "/a/dangling", std::nullopt },
        { "/a/chainToDangling/new.txt", std::nullopt },
        { "/a/missingThenUp", std::nullopt },
        { "/", root },
    };
    for (const auto& [path, expected] : cases)
        EXPECT_EQ(DeviceFileSystem::resolve(path), expected) << path;

    EXPECT_TRUE(dataOf("new").writeToFile("/a/chain/new.txt", true));
    EXPECT_EQ(contents(NSData::dataWithContentsOfFile("/b/new.txt")), "new");
    EXPECT_FALSE(dataOf("x").writeToFile("/a/out/new.txt", false));
    EXPECT_FALSE(fs::exists(outside / "new.txt"));
    fs::remove_all(outside);
}

TEST(DeviceFileSystem, ARootMadeAfterItIsChosenIsFoundOnceItExists)
{
    TemporaryDeviceRoot parent;
    auto root = parent.path() / "later";
    DeviceFileSystem::setRoot(root);
    EXPECT_EQ(DeviceFileSystem::resolve("/file.txt"), root / "file.txt");
    fs::create_directories(parent.path() / "real");
    fs::create_directory_symlink(parent.path() / "real", root);
    EXPECT_EQ(DeviceFileSystem::resolve("/file.txt"), fs::canonical(parent.path() / "real") / "file.txt");
    DeviceFileSystem::setRoot({});
}

TEST_F(DeviceFileSystemTest, OnlyPlainFilesAreRead)
{
    device().write("/folder/file.txt", "x");
    ASSERT_EQ(::mkfifo(device().hostPath("/folder/pipe").c_str(), 0644), 0);
    EXPECT_EQ(DeviceFileSystem::readFile("/folder"), std::nullopt);
    EXPECT_EQ(DeviceFileSystem::readFile("/folder/pipe"), std::nullopt) << "and not waited on";
    EXPECT_EQ(DeviceFileSystem::readFile("/folder/file.txt", 0), std::nullopt) << "too large";
    EXPECT_EQ(DeviceFileSystem::readFile("/folder/file.txt", 1), std::vector<std::uint8_t> { 'x' });
}
