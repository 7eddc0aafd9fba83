#pragma once

#include "springboard/Device.h"

#include <memory>
#include <span>
#include <string>

class NSTimer;
class UIView;

namespace springboard {

class FBRootWindow;
class SpringBoardApplication;

using LibraryInitialiser = void (*)();

// One simulated SpringBoard process on a simulated device. Making one begins a new process:
// the runtime forgets the previous process's classes and replacements, the run loop starts at
// the device's time, the screen, time zone and locale follow the device, and SpringBoard
// registers its classes (hiding those the device's system lacks) and installs its application
// object. Then a tweak library is loaded, and SpringBoard builds its windows.
//
// After that, the methods below are what happens to the device, and the host reacts as a real
// one does, sending the methods a tweak may replace through the runtime (docs in each class).
// Destroying it ends the process (objc::Runtime::endProcess): its timers stop, overlays close,
// and its windows and shared instances are released before it returns.
class SpringBoard {
public:
    explicit SpringBoard(Device device);
    SpringBoard(const SpringBoard&) = delete;
    SpringBoard& operator=(const SpringBoard&) = delete;
    ~SpringBoard();

    // The host running now; none running is a programming error (std::logic_error).
    static SpringBoard& current();

    // Read freely; change it through the methods below, so that the host reacts.
    Device& device() { return m_device; }

    // Runs the library's initialisers in the order given, as the loader runs a library's
    // initialiser list.
    void loadLibrary(std::span<const LibraryInitialiser> initialisers);
    // Makes the root window (FBRootWindow initWithDisplay:) and puts up the wallpaper, the home
    // screen, the lock screen when the device is locked, and the status bar.
    void buildWindows();

    const std::shared_ptr<FBRootWindow>& rootWindow() const { return m_rootWindow; }

    // The device.
    void setOrientation(int orientation);
    // The battery's events write to iokit::Battery, then the host reacts.
    void setBattery(float level);
    void setCharging(bool charging);
    void setLowPowerMode(bool enabled);
    // Whoever changed iokit::Battery itself (or let its level drift) tells the host to look again.
    void batteryChanged();
    void incomingCall();
    void answerCall();
    void endCall();
    void faceTimeInvitation();
    void answerFaceTime();
    void endFaceTime();
    // Starts the Clock's countdown timer (mobiletimer::TimerManager), as the Clock app does.
    // When it rings, the host shows a full-screen bulletin.
    void startTimer(NSTimeInterval duration);
    // The media player, as its own controls change it (SBMediaController).
    void setMusicPlaying(bool playing);
    void changeTrack(int step);
    void setVolume(float volume);
    // The app playing quits, leaving nothing loaded.
    void stopMusic();

    // The person holding it.
    void pressHomeButton();
    void doublePressHomeButton();
    // The sleep/wake button: the display goes dark (and the device locks), or lights up.
    void turnDisplayOff();
    void turnDisplayOn();
    void lock();
    void unlock();
    // The upward swipe from the lock screen's camera corner.
    void swipeCamera();
    void showFullscreenBulletin(std::string title = "Reminder", std::string message = "Call the office");
    void dismissFullscreenBulletin();

    // The pages of 9.x systems; on other systems these do nothing.
    void openTodayPage();
    void closeTodayPage();
    // Drags the search page in from the edge (1 or 8) to the end.
    void openSearchPage(long edge);
    // Drags it in part of the way (progress from 0 to 1), beginning the drag if needed.
    void dragSearchPage(long edge, double progress);
    void closeSearchPage();

private:
    void loadHardware();
    void registerClasses();
    void watchClockTimer();
    void clockTimerChanged();
    void applyScreenGeometry();
    void refreshStatusBar();
    // Shows the call screen for the call as it stands, or takes it away.
    void showCallScreen();

    Device m_device;
    std::shared_ptr<SpringBoardApplication> m_application;
    std::shared_ptr<FBRootWindow> m_rootWindow;
    // The Clock store tells only of a timer ringing; other changes (a timer started or stopped
    // elsewhere) are noticed by looking once a second.
    std::shared_ptr<NSTimer> m_clockWatch;
    int m_clockTimerState { 0 };
    std::shared_ptr<UIView> m_callScreen;
};

} // namespace springboard
