#include "MusicScene.h"

#include "platform/render/PictureCheck.h"
#include "render/ViewRenderer.h"
#include "uikit/UIScreen.h"

#include <gtest/gtest.h>

namespace {

const std::string references = "tests/LMMelodra/reference";

// The screen from the top of the strip down: the strip above the launcher.
render::Picture panelBottom(const MusicScene& scene)
{
    CGFloat scale = UIScreen::mainScreen()->scale();
    render::ViewRenderer renderer(scale);
    auto screen = renderer.renderScreen();
    int top = static_cast<int>(scene.strip().convertPointToView(CGPointMake(0, -10), nullptr).y * scale);
    render::Picture bottom(screen.width(), screen.height() - top);
    auto* context = cairo_create(bottom.surface());
    cairo_set_source_surface(context, screen.surface(), 0, -top);
    cairo_paint(context);
    cairo_destroy(context);
    return bottom;
}

} // namespace

TEST(MusicPicture, TheStripStandsAboveTheLauncherTintedByTheArtwork)
{
    MusicScene scene;
    scene.advance(6);
    EXPECT_TRUE(matchesReference(panelBottom(scene), "panel-bottom-with-strip", references));
}

TEST(MusicPicture, ThePlayerUprightAndOnItsSide)
{
    for (auto [orientation, name] :
        { std::pair { 1, "player-portrait" }, std::pair { 3, "player-landscape" } }) {
        SCOPED_TRACE(name);
        MusicScene scene;
        scene.host().setOrientation(orientation);
        scene.advance(1.1);
        scene.tap(scene.strip());
        scene.advance(1);
        EXPECT_TRUE(screenMatchesReference(name, references));
    }
}
