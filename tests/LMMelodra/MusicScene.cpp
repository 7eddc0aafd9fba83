#include "MusicScene.h"

#include "_LMContainerView/LMView.h"
#include "contracts/OBMusicProvider.h"
#include "contracts/SBMediaController.h"
#include "uikit/UIImage.h"

namespace {

CGPoint onScreen(const UIView& view, CGFloat fraction)
{
    CGRect bounds = view.bounds();
    return view.convertPointToView(
        CGPointMake(bounds.origin.x + bounds.size.width * fraction, CGRectGetMidY(bounds)), nullptr);
}

} // namespace

std::shared_ptr<UIImage> MusicScene::artwork(unsigned char red, unsigned char green, unsigned char blue)
{
    Bitmap bitmap(8, 8);
    for (size_t i = 0; i < bitmap.rgba.size(); i += 4) {
        bitmap.rgba[i] = red;
        bitmap.rgba[i + 1] = green;
        bitmap.rgba[i + 2] = blue;
        bitmap.rgba[i + 3] = 255;
    }
    return UIImage::imageWithBitmap(std::move(bitmap), 1, "Artwork");
}

springboard::Device MusicScene::playingPhone()
{
    springboard::Device device;
    device.media = springboard::MediaPlayer({ { "Song 1", "Artist 1", "Album 1", artwork(255, 0, 0) },
                                                { "Song 2", "Artist 2", "Album 2", artwork(0, 0, 255) },
                                                { "Song 3", "Artist 3", "Album 3", nullptr } },
        0, true, 0.5f);
    return device;
}

MusicScene::MusicScene(springboard::Device device, const Preferences& preferences)
    : DeviceScene(std::move(device), preferences)
{ }

LMMelodraView& MusicScene::strip() const
{
    return *panel().melodraView();
}

LMMusicDisplayView& MusicScene::player() const
{
    return *LMMusicDisplayView::sharedInstance();
}

std::shared_ptr<contracts::SBMediaController> MusicScene::media() const
{
    return contracts::shared<contracts::SBMediaController>(objc_getClass("SBMediaController"));
}

std::string MusicScene::nowPlayingSong() const
{
    auto music = contracts::shared<contracts::OBMusicProvider>(objc_getClass("OBMusicProvider"));
    return music->nowPlayingSongName();
}

void MusicScene::swipe(const UIView& view, UISwipeGestureRecognizerDirection direction)
{
    UITouchSimulator().swipe(onScreen(view, 0.5), direction);
}

void MusicScene::touchDown(const UIView& view, CGFloat fraction)
{
    m_finger.touchDown(onScreen(view, fraction));
}

void MusicScene::moveTo(const UIView& view, CGFloat fraction)
{
    m_finger.touchMove(onScreen(view, fraction));
}

void MusicScene::touchUp()
{
    m_finger.touchUp();
}
