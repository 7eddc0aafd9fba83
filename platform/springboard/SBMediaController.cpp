#include "springboard/SBMediaController.h"

#include "orblib/DeviceNowPlaying.h"
#include "springboard/Device.h"
#include "springboard/RuntimeRegistration.h"
#include "springboard/SBLockScreenManager.h"
#include "springboard/SBLockScreenViewController.h"

namespace springboard {

void SBMediaController::registerMethods(Class cls)
{
    registerSharedInstance<SBMediaController>(cls);
}

void SBMediaController::publish(const MediaPlayer& player)
{
    auto* track = player.currentTrack();
    orblib::DeviceNowPlaying::setItem(track ? std::optional(*track) : std::nullopt);
}

void SBMediaController::playerChanged()
{
    publish(currentDevice().media);
    if (auto& lockScreen = SBLockScreenManager::sharedInstance()->lockScreenViewController())
        lockScreen->musicChanged();
}

bool SBMediaController::isPlaying()
{
    return currentDevice().media.isPlaying();
}

void SBMediaController::play()
{
    if (currentDevice().media.setPlaying(true))
        playerChanged();
}

void SBMediaController::pause()
{
    if (currentDevice().media.setPlaying(false))
        playerChanged();
}

bool SBMediaController::isFirstTrack()
{
    return currentDevice().media.isFirstTrack();
}

bool SBMediaController::isLastTrack()
{
    return currentDevice().media.isLastTrack();
}

void SBMediaController::changeTrack(int step)
{
    if (currentDevice().media.changeTrack(step))
        playerChanged();
}

float SBMediaController::volume()
{
    return currentDevice().media.volume();
}

void SBMediaController::setVolume(float volume)
{
    currentDevice().media.setVolume(volume);
}

void SBMediaController::unload()
{
    if (currentDevice().media.unload())
        playerChanged();
}

} // namespace springboard
