#include "Verbs.h"

#include <string>

namespace {

constexpr Verbs::Verb verbs[] = {
    { "advance", "DURATION", "runs virtual time (500ms, 30s, 5m, 2h); timers fire on time" },
    { "tap", "TARGET", "a finger taps the target's middle" },
    { "double-tap", "TARGET", "two taps, 0.1 s apart" },
    { "long-press", "TARGET [DURATION]", "a finger rests on the target, 1 s unless given" },
    { "swipe", "up|down|left|right TARGET", "a finger swipes from the target's middle" },
    { "drag", "TARGET POINT [DURATION]",
        "a finger moves from the target's middle to the point X,Y, 0.1 s unless given" },
    { "home", "", "presses the home button" },
    { "display", "off|on", "the sleep/wake button: the display turns off (locking) or on" },
    { "lock", "", "locks the device" },
    { "unlock", "", "unlocks the device" },
    { "rotate", "portrait|landscape|upside-down", "turns the device" },
    { "battery", "LEVEL [RATE]", "sets the charge (0 to 1, or 0% to 100%) and its change per hour" },
    { "charger", "on|off", "plugs the charger in or out" },
    { "low-power", "on|off", "turns low-power mode on or off" },
    { "call", "incoming|active|end", "a phone call rings, is answered, ends" },
    { "facetime", "invite|active|end", "a video call invites, is answered, ends" },
    { "bulletin", "show|dismiss", "a full-screen bulletin arrives or is dismissed" },
    { "today", "open|close", "opens or closes the Notification Center's Today page (9.x; on 10.x says so)" },
    { "search open", "EDGE", "drags the search page in from edge 1 or 8 (9.x; on 10.x says so)" },
    { "search close", "", "closes the search page" },
    { "music", "play|pause|next|previous|stop",
        "the media player plays, pauses, skips a track either way, or stops (its app quits)" },
    { "volume", "VOLUME", "the device's volume (0 to 1, or 0% to 100%), as its buttons set it" },
    { "apps", "[ID]...", "writes the app list file as the app chooser does: these apps, in order" },
    { "timer start", "DURATION", "starts the Clock's countdown timer" },
    { "calendar add", "TITLE COLOUR", "adds a calendar of that colour (#rrggbb)" },
    { "calendar remove", "TITLE", "removes the calendar with its events and reminders" },
    { "event add", "TITLE START END [CALENDAR]", "adds an event; dates as in profiles, relative to now" },
    { "event remove", "TITLE", "removes every event of that title" },
    { "reminder add", "TITLE [DUE]", "adds a reminder, due then (relative to now) or never" },
    { "reminder remove", "TITLE", "removes every reminder of that title" },
    { "notification add", "APP TITLE TEXT [DATE]", "a notification arrives from the app (none: no app)" },
    { "notification remove", "TITLE", "removes every notification of that title" },
    { "set", "KEY VALUE", "writes a preference as Settings does; read at the next reload" },
    { "respring", "", "restarts SpringBoard from the same device root" },
    { "settings", "open|close|back",
        "opens the Settings app at its pages, sends it away, or goes a page back" },
    { "scroll-to", "TARGET", "scrolls the views around the target until it shows" },
    { "type", "TARGET VALUE", "types a text into a Settings row and ends the editing" },
    { "social-account", "on|off", "the device has a Twitter account, or none" },
    { "url-scheme", "SCHEME on|off", "an installed app opens addresses of this scheme, or none does" },
    { "urls", "", "prints the addresses opened so far, one a line" },
    { "expect-url", "URL", "checks the address opened last; stops the script with status 1 if not" },
    { "snapshot", "FILE.png", "writes what the screen shows" },
    { "dump", "FILE.json [TARGET]", "writes the view tree of the screen, or of the target" },
    { "alert press", "TITLE", "presses the button with this title on the topmost alert" },
    { "expect", "TARGET.PROPERTY OP VALUE", "checks a property; stops the script with status 1 if not met" },
    { "print", "TARGET[.PROPERTY]", "prints the target's view tree, or one property" },
};

} // namespace

std::span<const Verbs::Verb> Verbs::all()
{
    return verbs;
}

const Verbs::Verb* Verbs::find(std::string_view first, std::string_view second)
{
    const Verb* found = nullptr;
    for (auto& verb : verbs) {
        auto space = verb.name.find(' ');
        if (space == std::string_view::npos
                ? verb.name == first
                : verb.name.substr(0, space) == first && verb.name.substr(space + 1) == second)
            found = &verb;
    }
    return found;
}

std::string Verbs::formsBeginningWith(std::string_view first)
{
    std::string forms;
    for (auto& verb : verbs) {
        if (verb.name.starts_with(first) && verb.name.size() > first.size()
            && verb.name[first.size()] == ' ') {
            forms += (forms.empty() ? "" : " or ") + std::string(verb.name);
            if (!verb.form.empty())
                forms += " " + std::string(verb.form);
        }
    }
    return forms;
}
