#pragma once

#include "contracts/SBMediaController.h"
#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

namespace springboard {

class MediaPlayer;

// Playback as SpringBoard controls it, over the device's media player (Device::media). A change,
// whoever makes it (a tweak, the lock screen's controls, the person holding the device), is
// published at once as the device's now-playing item, where the support library reads it, and
// the lock screen's media controls follow it.
class SBMediaController : public NSObject, public contracts::SBMediaController {
    OBJC_CLASS(SBMediaController, NSObject)
public:
    static std::shared_ptr<SBMediaController> create() { return std::make_shared<SBMediaController>(); }
    static std::shared_ptr<SBMediaController> sharedInstance()
    {
        return dispatch::sharedInstance<SBMediaController>();
    }
    static void registerMethods(Class);

    // Makes the player's current track the device's now-playing item (nothing with no queue).
    static void publish(const MediaPlayer&);

    bool isPlaying() override;
    void play() override;
    void pause() override;
    bool isFirstTrack() override;
    bool isLastTrack() override;
    void changeTrack(int step) override;
    float volume() override;
    void setVolume(float) override;
    // The app playing quits: nothing is loaded any more.
    void unload();

private:
    void playerChanged();
};

} // namespace springboard
