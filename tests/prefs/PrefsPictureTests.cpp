#include "prefs/PrefsScene.h"

#include "platform/render/PictureCheck.h"
#include "preferences/SettingsApplication.h"
#include "render/ViewRenderer.h"

#include <gtest/gtest.h>

// The Settings pages as a person sees them on the demo phone: Lumora's root page, the
// Configuration page, one module page and the app chooser with two apps switched on.
TEST(PrefsPicture, TheRootConfigurationModuleAndAppChooserPages)
{
    PrefsScene scene;
    render::ViewRenderer renderer(2);
    const std::pair<const char*, const char*> steps[] = { { "Lumora", "prefs-root" },
        { "Configuration", "prefs-configuration" }, { "Chronel", "prefs-chronel" } };
    for (auto [row, reference] : steps) {
        scene.select(row);
        EXPECT_TRUE(matchesReference(renderer.renderScreen(), reference, "tests/prefs/reference"));
    }
    scene.settings().goBack();
    scene.select("Skipra");
    scene.fixture().deviceRoot().write(
        "/private/var/mobile/Library/Preferences/com.orbelin.lumora.applist.activeapps",
        "com.apple.camera\ncom.apple.mobilecal\n");
    scene.select("ChooseApps");
    EXPECT_TRUE(matchesReference(renderer.renderScreen(), "prefs-app-chooser", "tests/prefs/reference"));
}
