#include "platform/render/PictureCheck.h"
#include "render/ViewRenderer.h"
#include "support/host/DeviceScene.h"

#include <gtest/gtest.h>

// The lock screen as a person sees it a few seconds after SpringBoard built it, over the blurred
// wallpaper and without it.
TEST(PanelPicture, TheLockScreenShowsThePanelWithAndWithoutTheBlur)
{
    const std::pair<const char*, const char*> cases[]
        = { { "YES", "lockscreen-blur" }, { "NO", "lockscreen-no-blur" } };
    for (auto [blur, reference] : cases) {
        DeviceScene scene({}, { { "blurEnabled", blur } });
        scene.advance(6);
        render::ViewRenderer renderer(2);
        EXPECT_TRUE(matchesReference(renderer.renderScreen(), reference, "tests/_LMContainerView/reference"));
    }
}
