#include "NowPlayingProfile.h"

#include "ProfilePicture.h"
#include "ProfileReader.h"

#include "uikit/UIImage.h"

#include <algorithm>

namespace {

constexpr CGFloat artworkSide = 300;

std::string optionalText(const ProfileReader& reader)
{
    return reader.isNull() ? std::string() : reader.text();
}

orblib::NowPlayingItem track(const ProfileReader& reader, const std::string& folder)
{
    reader.expectKeys({ "song", "artist", "album", "artwork" });
    orblib::NowPlayingItem item;
    item.song = optionalText(reader["song"]);
    item.artist = optionalText(reader["artist"]);
    item.album = optionalText(reader["album"]);
    if (auto artwork = reader["artwork"]; !artwork.isNull())
        item.artwork = ProfilePicture::read(artwork, folder).image(CGSizeMake(artworkSide, artworkSide), 1);
    return item;
}

} // namespace

springboard::MediaPlayer NowPlayingProfile::read(const ProfileReader& reader, const std::string& folder)
{
    if (reader.isNull())
        return {};
    reader.expectKeys({ "queue", "position", "playing", "volume" });
    std::vector<orblib::NowPlayingItem> queue;
    if (auto list = reader["queue"]; !list.isNull()) {
        auto tracks = list.items();
        if (tracks.size() > maximumTracks)
            list.fail("a list of at most " + std::to_string(maximumTracks) + " tracks");
        for (auto& entry : tracks)
            queue.push_back(track(entry, folder));
    }
    // Counted from 1, as a person counts the tracks of a list.
    int position = 1;
    if (auto given = reader["position"]; !given.isNull())
        position = given.whole(1, std::max(1, static_cast<int>(queue.size())));
    bool playing = reader.has("playing") && reader["playing"].flag();
    float volume = springboard::MediaPlayer::defaultVolume;
    if (auto given = reader["volume"]; !given.isNull())
        volume = static_cast<float>(given.number(0, 1));
    return springboard::MediaPlayer(
        std::move(queue), static_cast<std::size_t>(position - 1), playing, volume);
}
