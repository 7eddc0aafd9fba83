#pragma once

#include "support/host/DeviceScene.h"
#include "uikit/UITouchSimulator.h"

#include <memory>
#include <string_view>

#include "LMMelodra/LMMelodraView.h"
#include "LMMelodra/LMMusicDisplayView.h"

class UIImage;

namespace contracts {
class SBMediaController;
}

// A locked, lit phone whose media player has three tracks, the first playing, seen as a person
// sees it: the music strip on the panel and the music player, a finger on the whole screen.
class MusicScene : public DeviceScene {
public:
    // Three tracks, "Song 1" by "Artist 1" on "Album 1" and so on; the first two have artwork
    // of one colour each (red, then blue), the third none.
    static springboard::Device playingPhone();
    static std::shared_ptr<UIImage> artwork(unsigned char red, unsigned char green, unsigned char blue);

    explicit MusicScene(springboard::Device device = playingPhone(), const Preferences& preferences = {});

    LMMelodraView& strip() const;
    // Made on first use, as a tap on the strip makes it.
    LMMusicDisplayView& player() const;
    template <class T = UIView> std::shared_ptr<T> stripView(std::string_view field) const
    {
        return view<T>(strip(), field);
    }
    template <class T = UIView> std::shared_ptr<T> playerView(std::string_view field) const
    {
        return view<T>(player(), field);
    }
    // What the device's player plays, as SpringBoard reports it.
    std::shared_ptr<contracts::SBMediaController> media() const;
    std::string nowPlayingSong() const;

    void swipe(const UIView&, UISwipeGestureRecognizerDirection);
    // A finger put down on the view at the fraction of its width, moved to the other fraction.
    void touchDown(const UIView&, CGFloat fraction);
    void moveTo(const UIView&, CGFloat fraction);
    void touchUp();

private:
    UITouchSimulator m_finger;
};
