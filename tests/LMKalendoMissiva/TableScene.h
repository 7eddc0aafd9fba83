#pragma once

#include "eventkit/CalendarRecords.h"
#include "orblib/DeviceNotifications.h"
#include "support/host/DeviceScene.h"

#include <string>
#include <vector>

// The tests describe records with designated initialisers and leave the rest at its default.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

class LMTableViewController;
class UIView;

// What the device holds before it boots: calendars, events, reminders and notifications, with
// times in seconds from the device's start.
struct DeviceSchedule {
    std::vector<eventkit::CalendarRecord> calendars { { "Work", 0.18, 0.49, 0.88 },
        { "Home", 0.2, 0.78, 0.35 } };
    std::vector<eventkit::EventRecord> events;
    std::vector<eventkit::ReminderRecord> reminders;
    std::vector<orblib::NotificationRecord> notifications;
};

// A device booted with Lumora and the schedule, its table reloaded at the device's start time
// (the panel's own reload would come with its 10-second timer), and read as a person reads it:
// one line per section, its header's text, then its rows' texts.
class TableScene {
public:
    // Monday 2015-12-07 09:05:30 UTC.
    static constexpr CFAbsoluteTime start = 471171930;

    explicit TableScene(const DeviceSchedule&, const Preferences& = {}, springboard::Device = {});

    DeviceScene& scene() { return m_scene; }
    LMTableViewController& table() const;
    // Reloads as the panel's timer does, and lets the reload finish.
    void reload();

    // "header text | row text | row text" per section; the summary lines as their text.
    std::vector<std::string> sections() const;
    std::shared_ptr<UIView> header(long section) const;
    std::shared_ptr<UIView> row(long section, long row) const;
    // The text of the labels of this field under the view.
    static std::string text(const UIView&, std::string_view field = "_titleLabel");
    std::string summary(const std::string& type) const;

    static eventkit::EventRecord event(
        std::string title, double fromStart, double length, std::string calendar = "Work");
    static eventkit::ReminderRecord reminder(std::string title, double fromStart);
    static orblib::NotificationRecord notification(
        std::string app, std::string title, std::string message, double fromStart = -60);

private:
    DeviceScene m_scene;
};
