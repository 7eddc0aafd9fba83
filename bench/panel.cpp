// The panel on a locked, lit screen with the defaults and a forecast: what one simulated hour costs in
// processor time (cpu_ms_per_hour), what one tick of each of its timers costs, and whether the
// process's memory grows from the first simulated hour to the twenty-fourth (it must not).
#include "_LMContainerView/LMView.h"
#include "dispatch/RunLoop.h"
#include "foundation/DeviceFileSystem.h"
#include "hooks/LumoraLibrary.h"
#include "orblib/DeviceWeather.h"
#include "springboard/ResourceBundleInstaller.h"
#include "springboard/SpringBoard.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <malloc.h>
#include <memory>
#include <stdexcept>
#include <string>
#include <time.h>

namespace {

constexpr double hour = 3600;

// A device with a disk of its own holding the resource bundle, booted with Lumora.
class LockedPhone {
public:
    LockedPhone()
    {
        auto pattern = (std::filesystem::temp_directory_path() / "lumora-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a temporary device root");
        m_root = pattern;
        foundation::DeviceFileSystem::setRoot(m_root);
        if (auto failure = springboard::ResourceBundleInstaller::install(LUMORA_RESOURCE_BUNDLE_DIR))
            throw std::runtime_error(*failure);
        // The screen stays lit for more than a simulated day.
        writeDeviceFile("/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist",
            "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>"
            "<key>idleTimerDuration</key><string>100000</string></dict></plist>");
        orblib::DeviceWeather::setLocationServicesEnabled(true);
        orblib::DeviceWeather::setReport(orblib::WeatherReport { .cityName = "Lisbon",
            .condition = orblib::WeatherCondition::PartlyCloudy,
            .temperature = 21.4,
            .high = 24,
            .low = 12,
            .days = {},
            .hours = {} });
        m_host = std::make_unique<springboard::SpringBoard>(springboard::Device {});
        m_host->loadLibrary(lumora::initialisers());
        m_host->buildWindows();
        // Past the panel's first layout and its delayed update.
        dispatch::RunLoop::main().advance(6);
    }
    ~LockedPhone()
    {
        m_host.reset();
        foundation::DeviceFileSystem::setRoot({});
        std::error_code error;
        std::filesystem::remove_all(m_root, error);
    }

    LMView& panel() { return *LMView::sharedInstance(); }

private:
    void writeDeviceFile(std::string_view devicePath, std::string_view contents) const
    {
        auto path = m_root / std::filesystem::path(devicePath).relative_path();
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path) << contents;
    }

    std::filesystem::path m_root;
    std::unique_ptr<springboard::SpringBoard> m_host;
};

long residentKilobytes()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.starts_with("VmRSS:"))
            return std::stol(line.substr(6));
    }
    return 0;
}

double heapBytesInUse()
{
    return static_cast<double>(mallinfo2().uordblks);
}

// The whole process's processor time: the run loop's background worker included.
double processCpuSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

void PanelHour(benchmark::State& state)
{
    LockedPhone phone;
    double total = 0;
    for (auto _ : state) {
        double start = processCpuSeconds();
        dispatch::RunLoop::main().advance(hour);
        total += processCpuSeconds() - start;
    }
    state.counters["cpu_ms_per_hour"] = total * 1e3 / static_cast<double>(state.iterations());
}
BENCHMARK(PanelHour)->Unit(benchmark::kMillisecond)->Iterations(3);

template <void (LMView::*tick)(NSTimer*)> void TimerTick(benchmark::State& state)
{
    LockedPhone phone;
    auto& panel = phone.panel();
    for (auto _ : state)
        (panel.*tick)(nullptr);
}
BENCHMARK_TEMPLATE(TimerTick, &LMView::frameUpdateTimer)->Name("TimerTick/orientation_0.1s");
BENCHMARK_TEMPLATE(TimerTick, &LMView::visibilityHandlerAndTimeUpdateTimer)->Name("TimerTick/visibility_1s");
BENCHMARK_TEMPLATE(TimerTick, &LMView::weatherUpdateTimer)->Name("TimerTick/weather_1800s");
BENCHMARK_TEMPLATE(TimerTick, &LMView::scheduleAndNotificationsUpdateTimer)->Name("TimerTick/schedule_10s");

void MemoryOverADay(benchmark::State& state)
{
    LockedPhone phone;
    double rssAfterOneHour = 0, rssAfterADay = 0, heapAfterOneHour = 0, heapAfterADay = 0;
    for (auto _ : state) {
        dispatch::RunLoop::main().advance(hour);
        rssAfterOneHour = static_cast<double>(residentKilobytes());
        heapAfterOneHour = heapBytesInUse();
        dispatch::RunLoop::main().advance(23 * hour);
        rssAfterADay = static_cast<double>(residentKilobytes());
        heapAfterADay = heapBytesInUse();
    }
    state.counters["rss_kB_after_1h"] = rssAfterOneHour;
    state.counters["rss_kB_after_24h"] = rssAfterADay;
    state.counters["heap_B_after_1h"] = heapAfterOneHour;
    state.counters["heap_B_after_24h"] = heapAfterADay;
    state.counters["heap_growth_B"] = heapAfterADay - heapAfterOneHour;
    // Texts of other lengths (another weekday, another hour) move a few bytes either way; a leak
    // of anything per tick would pass this by megabytes over 23 hours.
    if (heapAfterADay - heapAfterOneHour > 64 * 1024)
        state.SkipWithError("the heap grew between the first and the twenty-fourth simulated hour");
}
BENCHMARK(MemoryOverADay)->Unit(benchmark::kSecond)->Iterations(1);

} // namespace
