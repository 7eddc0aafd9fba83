#include "ScriptRunner.h"

#include "ChosenApps.h"
#include "InputError.h"
#include "Interruption.h"
#include "NumberText.h"
#include "PreferenceFile.h"
#include "ScheduleVerbs.h"
#include "ScriptFailure.h"
#include "Simulator.h"
#include "TargetResolver.h"

#include "springboard/Device.h"
#include "uikit/UIScreen.h"
#include "uikit/UISwipeGestureRecognizer.h"
#include "uikit/UITouchSimulator.h"
#include "uikit/UIView.h"

#include <functional>
#include <map>
#include <ostream>

namespace {

UISwipeGestureRecognizerDirection direction(const std::string& word)
{
    if (word == "up")
        return UISwipeGestureRecognizerDirectionUp;
    if (word == "down")
        return UISwipeGestureRecognizerDirectionDown;
    return word == "left" ? UISwipeGestureRecognizerDirectionLeft : UISwipeGestureRecognizerDirectionRight;
}

int orientation(const std::string& word)
{
    return word == "portrait" ? 1 : word == "upside-down" ? 2 : 3;
}

} // namespace

ScriptRunner::ScriptRunner(
    Simulator& simulator, const OutputFolder& output, std::ostream& out, std::ostream& notices)
    : m_simulator(simulator)
    , m_output(output)
    , m_out(out)
    , m_notices(notices)
    , m_settings(simulator)
{ }

void ScriptRunner::run(std::span<const Command> commands)
{
    for (auto& command : commands) {
        if (Interruption::requested())
            throw Interrupted {};
        run(command);
    }
}

bool ScriptRunner::onlyOnSystem9(const Command& command, const std::string& page) const
{
    auto& device = springboard::currentDevice();
    if (device.isSystemVersion9())
        return true;
    m_notices << "lumora-sim: " << command.where << ": " << command.line << ": " << page
              << " exists on 9.x only; nothing opens on this " << device.systemVersion << " device\n";
    return false;
}

void ScriptRunner::fail(const Command& command, const std::string& what) const
{
    throw ScriptFailure(command.where + ": " + command.line + ": " + what);
}

std::shared_ptr<UIView> ScriptRunner::view(const Command& command, const Target& target) const
{
    auto found = TargetResolver::view(target);
    if (!found)
        fail(command, "no view matches " + target.text());
    return found;
}

void ScriptRunner::checkOnScreen(const Command& command, CGPoint given, const std::string& text)
{
    auto screen = UIScreen::mainScreen()->bounds();
    if (given.x < 0 || given.y < 0 || given.x >= screen.size.width || given.y >= screen.size.height)
        throw InputError(command.where + ": " + text + " lies off the screen (0,0 to "
            + NumberText::format(screen.size.width) + "," + NumberText::format(screen.size.height)
            + " points)");
}

CGPoint ScriptRunner::point(const Command& command) const
{
    if (auto given = command.target->point())
        checkOnScreen(command, *given, command.target->text());
    if (command.point)
        checkOnScreen(command, *command.point,
            NumberText::format(command.point->x) + "," + NumberText::format(command.point->y));
    auto point = TargetResolver::point(*command.target);
    if (!point)
        fail(command, "no view matches " + command.target->text());
    return *point;
}

std::shared_ptr<UIView> ScriptRunner::view(const Command& command, const Probe& probe) const
{
    if (probe.property() && probe.property()->readsMissingViews())
        return TargetResolver::view(probe.target());
    return view(command, probe.target());
}

void ScriptRunner::expect(const Command& command) const
{
    auto& expectation = *command.expectation;
    auto target = view(command, expectation.probe());
    if (auto seen = expectation.check(target.get()))
        fail(command, "expectation not met: " + expectation.property().name() + " is " + *seen);
}

void ScriptRunner::print(const Command& command) const
{
    auto target = view(command, *command.probe);
    if (auto& property = command.probe->property())
        m_out << property->format(property->read(target.get())) << "\n";
    else
        m_out << target->recursiveDescription();
}

void ScriptRunner::run(const Command& command)
{
    if (ScheduleVerbs::handles(command.verb)) {
        if (auto failure = ScheduleVerbs::run(command))
            fail(command, *failure);
        return;
    }
    auto& host = m_simulator.host();
    auto& choice = command.choice;
    const std::map<std::string_view, std::function<void()>> actions {
        { "advance", [&] { m_simulator.advance(*command.duration); } },
        { "tap", [&] { UITouchSimulator().tap(point(command)); } },
        { "double-tap", [&] { UITouchSimulator().doubleTap(point(command)); } },
        { "long-press", [&] { UITouchSimulator().longPress(point(command), command.duration.value_or(1)); } },
        { "swipe", [&] { UITouchSimulator().swipe(point(command), direction(choice)); } },
        { "drag",
            [&] {
                UITouchSimulator().drag(point(command), *command.point,
                    command.duration.value_or(UITouchSimulator::swipeDuration));
            } },
        { "home",
            [&] {
                if (!m_settings.close())
                    host.pressHomeButton();
            } },
        { "display", [&] { choice == "on" ? host.turnDisplayOn() : host.turnDisplayOff(); } },
        { "lock", [&] { host.lock(); } },
        { "unlock", [&] { host.unlock(); } },
        { "rotate", [&] { host.setOrientation(orientation(choice)); } },
        { "battery", [&] { m_simulator.setBattery(static_cast<float>(*command.number), command.rate); } },
        { "charger", [&] { m_simulator.setCharging(choice == "on"); } },
        { "low-power", [&] { host.setLowPowerMode(choice == "on"); } },
        { "call",
            [&] {
                if (choice == "incoming")
                    host.incomingCall();
                else if (choice == "active")
                    host.answerCall();
                else
                    host.endCall();
            } },
        { "facetime",
            [&] {
                if (choice == "invite")
                    host.faceTimeInvitation();
                else if (choice == "active")
                    host.answerFaceTime();
                else
                    host.endFaceTime();
            } },
        { "bulletin",
            [&] { choice == "show" ? host.showFullscreenBulletin() : host.dismissFullscreenBulletin(); } },
        { "today",
            [&] {
                if (choice == "open" && onlyOnSystem9(command, "the Today page"))
                    host.openTodayPage();
                else if (choice == "close")
                    host.closeTodayPage();
            } },
        { "search open",
            [&] {
                if (onlyOnSystem9(command, "the search page"))
                    host.openSearchPage(static_cast<long>(*command.number));
            } },
        { "search close", [&] { host.closeSearchPage(); } },
        { "music",
            [&] {
                if (choice == "next" || choice == "previous")
                    host.changeTrack(choice == "next" ? 1 : -1);
                else if (choice == "stop")
                    host.stopMusic();
                else
                    host.setMusicPlaying(choice == "play");
            } },
        { "volume", [&] { host.setVolume(static_cast<float>(*command.number)); } },
        { "apps", [&] { ChosenApps::write(command.identifiers); } },
        { "timer start", [&] { host.startTimer(*command.duration); } },
        { "set", [&] { PreferenceFile::set(command.name, command.value); } },
        { "respring", [&] { m_settings.respring(); } },
        { "snapshot",
            [&] {
                auto picture = m_simulator.snapshot();
                m_out << m_output
                             .write(command.name, [&](const std::string& path) { picture.writePNG(path); })
                             .string()
                      << "\n";
            } },
        { "dump",
            [&] {
                auto root = command.target ? view(command, *command.target) : nullptr;
                m_out << m_output.writeText(command.name, m_simulator.dump(root.get())).string() << "\n";
            } },
        { "alert press",
            [&] {
                if (!UITouchSimulator().pressAlertButton(command.name))
                    fail(command, "no alert shows a button \"" + command.name + "\"");
            } },
        { "expect", [&] { expect(command); } },
        { "print", [&] { print(command); } },
    };
    if (auto action = actions.find(command.verb); action != actions.end())
        action->second();
    else
        runSettingsVerb(command);
    m_settings.afterCommand();
}
