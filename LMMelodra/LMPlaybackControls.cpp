#include "LMMelodra/LMPlaybackControls.h"

#include "LMMelodra/LMMelodraImages.h"
#include "contracts/OBMusicProvider.h"
#include "contracts/SBMediaController.h"
#include "objc/ClassRef.h"
#include "uikit/UIImageView.h"

LMPlaybackControls::LMPlaybackControls()
{
    static objc::ClassRef musicProviderClass { "OBMusicProvider" };
    static objc::ClassRef mediaControllerClass { "SBMediaController" };
    m_musicProvider = contracts::shared<contracts::OBMusicProvider>(musicProviderClass);
    m_mediaController = contracts::shared<contracts::SBMediaController>(mediaControllerClass);
    m_playButtonImage = LMMelodraImage("MusicControls/Play");
    m_pauseButtonImage = LMMelodraImage("MusicControls/Pause");
}

bool LMPlaybackControls::nowPlayingInfoExists() const
{
    return m_musicProvider && m_musicProvider->nowPlayingInfoExists();
}

std::shared_ptr<UIImageView> LMPlaybackControls::makePlayPauseButton() const
{
    auto button = UIImageView::initWithImage(m_playButtonImage);
    button->setAccessibilityIdentifier("playPauseButtonImageView");
    button->setUserInteractionEnabled(true);
    return button;
}

void LMPlaybackControls::followPlayback(UIImageView& button)
{
    m_buttonMeansPause = m_mediaController && m_mediaController->isPlaying();
    auto& image = m_buttonMeansPause ? m_pauseButtonImage : m_playButtonImage;
    if (button.image() != image)
        button.setImage(image);
}

void LMPlaybackControls::togglePlayback()
{
    if (!m_mediaController || !nowPlayingInfoExists())
        return;
    if (m_buttonMeansPause)
        m_mediaController->pause();
    else
        m_mediaController->play();
}

void LMPlaybackControls::nextTrack()
{
    if (m_mediaController && !m_mediaController->isLastTrack())
        m_mediaController->changeTrack(1);
}

void LMPlaybackControls::previousTrack()
{
    if (m_mediaController && !m_mediaController->isFirstTrack())
        m_mediaController->changeTrack(-1);
}
