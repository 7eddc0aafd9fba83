#include "springboard/MediaPlayer.h"

#include <algorithm>
#include <cmath>

namespace springboard {

MediaPlayer::MediaPlayer(
    std::vector<orblib::NowPlayingItem> queue, std::size_t position, bool playing, float volume)
    : m_queue(std::move(queue))
{
    m_position = m_queue.empty() ? 0 : std::min(position, m_queue.size() - 1);
    setPlaying(playing);
    setVolume(volume);
}

const orblib::NowPlayingItem* MediaPlayer::currentTrack() const
{
    return m_queue.empty() ? nullptr : &m_queue[m_position];
}

bool MediaPlayer::setPlaying(bool playing)
{
    playing = playing && !m_queue.empty();
    if (playing == m_playing)
        return false;
    m_playing = playing;
    return true;
}

bool MediaPlayer::changeTrack(int step)
{
    if (m_queue.empty())
        return false;
    auto last = static_cast<long long>(m_queue.size()) - 1;
    auto position
        = static_cast<std::size_t>(std::clamp(static_cast<long long>(m_position) + step, 0LL, last));
    if (position == m_position)
        return false;
    m_position = position;
    return true;
}

bool MediaPlayer::setVolume(float volume)
{
    if (std::isnan(volume))
        return false;
    volume = std::clamp(volume, 0.0f, 1.0f);
    if (volume == m_volume)
        return false;
    m_volume = volume;
    return true;
}

bool MediaPlayer::unload()
{
    if (m_queue.empty())
        return false;
    *this = MediaPlayer({}, 0, false, m_volume);
    return true;
}

} // namespace springboard
