// Boot, from process start to the first lock screen: lumora-sim run whole on the demo device with
// nothing to do (`advance 0s`), beside a process that does nothing at all (/bin/true) in the same
// run. Processor time is the child's own, user and system; wall time is the whole spawn and wait.
// LUMORA_SIM in the environment names another build's program to time, for comparisons.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fcntl.h>
#include <spawn.h>
#include <stdexcept>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <vector>

extern char** environ;

namespace {

double seconds(const timeval& time)
{
    return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_usec) * 1e-6;
}

double wallSeconds()
{
    timespec now {};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

struct Run {
    double cpu;
    double wall;
};

// One run of the program, its output thrown away.
Run runProcess(std::vector<std::string> arguments)
{
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    double start = wallSeconds();
    pid_t child = 0;
    int failure = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failure)
        throw std::runtime_error("cannot start " + arguments[0]);
    int status = 0;
    rusage usage {};
    if (wait4(child, &status, 0, &usage) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw std::runtime_error(arguments[0] + " failed");
    return { seconds(usage.ru_utime) + seconds(usage.ru_stime), wallSeconds() - start };
}

std::string program()
{
    const char* given = std::getenv("LUMORA_SIM");
    return given && *given ? given : LUMORA_SIM;
}

void BootToLockScreen(benchmark::State& state)
{
    Run empty { 1e9, 1e9 }, boot { 1e9, 1e9 };
    // The least of the runs: what is left is the boot's own cost, not the busy machine's.
    for (auto _ : state) {
        auto run = runProcess({ program(), "-e", "advance 0s" });
        boot = { std::min(boot.cpu, run.cpu), std::min(boot.wall, run.wall) };
        state.PauseTiming();
        auto floor = runProcess({ "/bin/true" });
        empty = { std::min(empty.cpu, floor.cpu), std::min(empty.wall, floor.wall) };
        state.ResumeTiming();
    }
    state.counters["min_cpu_ms"] = boot.cpu * 1e3;
    state.counters["min_wall_ms"] = boot.wall * 1e3;
    state.counters["empty_process_cpu_ms"] = empty.cpu * 1e3;
    state.counters["empty_process_wall_ms"] = empty.wall * 1e3;
}
BENCHMARK(BootToLockScreen)->Unit(benchmark::kMillisecond)->Iterations(10);

// The first snapshot of a fresh process, as a user's first `snapshot` costs: the demo device kept
// lit and booted with and without one, the least of the runs of each, and their difference. It
// pays for what nothing needed before: the fonts' faces and glyphs, the wallpaper's pixels.
void FirstSnapshotOfAFreshProcess(benchmark::State& state)
{
    auto file = (std::filesystem::temp_directory_path() / "lumora-bench-first-snapshot.png").string();
    std::vector<std::string> booted { program(), "-e", "set idleTimerDuration 100000", "-e", "respring", "-e",
        "advance 6s" };
    auto withSnapshot = booted;
    withSnapshot.insert(withSnapshot.end(), { "-e", "snapshot " + file });
    double without = 1e9, with = 1e9;
    for (auto _ : state) {
        without = std::min(without, runProcess(booted).cpu);
        with = std::min(with, runProcess(withSnapshot).cpu);
    }
    std::filesystem::remove(file);
    state.counters["boot_cpu_ms"] = without * 1e3;
    state.counters["boot_and_snapshot_cpu_ms"] = with * 1e3;
    state.counters["first_snapshot_cpu_ms"] = (with - without) * 1e3;
}
BENCHMARK(FirstSnapshotOfAFreshProcess)->Unit(benchmark::kMillisecond)->Iterations(10);

} // namespace
