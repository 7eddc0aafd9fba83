// The schedule and notification table under load: 500 notifications in 50 apps, 100 events and
// 100 reminders on the demo device. Side by side in one run: the main thread's processor time of
// one whole reload that finds a new notification (the gathering, then the table rebuilt), of one
// that finds nothing new (the gathering alone: the table stays as it is), of the support
// library's part of it (the notification catalogue), of the table alone building its headers and
// rows from gathered data, and of one full-screen render of the same screen.
//
// The table asks only for the headers and rows on screen; the others are counted and measured.
#include "support/DemoPhone.h"

#include "LMKalendoMissiva/LMTableViewController.h"
#include "_LMContainerView/LMView.h"
#include "contracts/OBNotificationsProvider.h"
#include "dispatch/RunLoop.h"
#include "eventkit/DeviceCalendars.h"
#include "objc/ClassRef.h"
#include "orblib/DeviceNotifications.h"
#include "uikit/UITableView.h"

#include <benchmark/benchmark.h>

#include <string>
#include <time.h>

namespace {

double threadCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void fillDevice(CFAbsoluteTime now)
{
    std::vector<eventkit::CalendarRecord> calendars { { "Work", 0.18, 0.49, 0.88 },
        { "Home", 0.2, 0.78, 0.35 } };
    std::vector<eventkit::EventRecord> events;
    std::vector<eventkit::ReminderRecord> reminders;
    for (int i = 0; i < 100; ++i) {
        events.push_back({ .title = "Event " + std::to_string(i),
            .calendar = i % 2 ? "Work" : "Home",
            .start = now + 600 + i * 3000,
            .end = now + 600 + i * 3000 + 1800 });
        reminders.push_back({ .title = "Reminder " + std::to_string(i), .due = now + 300 + i * 3000 });
    }
    eventkit::DeviceCalendars::set(calendars, events, reminders);

    const char* apps[] = { "com.apple.MobileSMS", "com.apple.mobilesafari", "com.apple.weather",
        "com.apple.mobilecal", "com.apple.mobileslideshow" };
    std::vector<orblib::NotificationRecord> notifications;
    for (int i = 0; i < 500; ++i) {
        int section = i % 50;
        notifications.push_back({ .app = apps[section % 5],
            .sectionID = "section." + std::to_string(section),
            .title = "Sender " + std::to_string(i),
            .message = "A message of moderate length, number " + std::to_string(i),
            .date = now - 60 - i });
    }
    orblib::DeviceNotifications::set(notifications);
}

class LoadedPhone {
public:
    LoadedPhone()
        : m_phone("")
    {
        fillDevice(dispatch::RunLoop::main().now());
        m_phone.advance(6);
        reload();
    }
    LMTableViewController& table() { return *LMView::sharedInstance()->tableViewController(); }
    void reload()
    {
        table().reloadTableViewData();
        dispatch::RunLoop::main().runUntilIdle();
    }
    Simulator& simulator() { return m_phone.simulator(); }

private:
    DemoPhone m_phone;
};

void TableUnderLoad(benchmark::State& state)
{
    LoadedPhone phone;
    auto& table = phone.table();
    if (table.notificationCount() != 500 || table.eventData().size() != 2)
        state.SkipWithError("the device's items did not all reach the table");

    static objc::ClassRef providerClass { "OBNotificationsProvider" };
    double reload = 0, unchanged = 0, build = 0, render = 0, catalogue = 0;
    int arrived = 0;
    for (auto _ : state) {
        orblib::DeviceNotifications::add({ .app = "com.apple.MobileSMS",
            .sectionID = "section.0",
            .title = "Late sender",
            .message = "One more, number " + std::to_string(++arrived),
            .date = dispatch::RunLoop::main().now() - 1 });
        double start = threadCpuSeconds();
        phone.reload();
        reload += threadCpuSeconds() - start;

        start = threadCpuSeconds();
        phone.reload();
        unchanged += threadCpuSeconds() - start;

        start = threadCpuSeconds();
        benchmark::DoNotOptimize(
            contracts::OBNotificationsProvider::currentNotificationsCatalogue.toClass(providerClass));
        catalogue += threadCpuSeconds() - start;

        start = threadCpuSeconds();
        table.tableView()->reloadData();
        build += threadCpuSeconds() - start;

        start = threadCpuSeconds();
        benchmark::DoNotOptimize(phone.simulator().snapshot());
        render += threadCpuSeconds() - start;
    }
    double n = static_cast<double>(state.iterations());
    state.counters["reload_main_thread_ms"] = reload * 1e3 / n;
    state.counters["reload_unchanged_main_thread_ms"] = unchanged * 1e3 / n;
    state.counters["table_build_ms"] = build * 1e3 / n;
    state.counters["support_library_catalogue_ms"] = catalogue * 1e3 / n;
    state.counters["full_screen_render_ms"] = render * 1e3 / n;
    state.counters["table_rows"] = static_cast<double>([&] {
        NSInteger rows = 0;
        for (NSInteger s = 0; s < table.tableView()->numberOfSections(); ++s)
            rows += table.tableView()->numberOfRowsInSection(s);
        return rows;
    }());
}
BENCHMARK(TableUnderLoad)->Unit(benchmark::kMillisecond)->Iterations(20);

} // namespace
