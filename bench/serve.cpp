// The live page's frame path on the demo device at scale 2, over the loopback address: from a tap
// sent as a page sends it, on the music strip's play/pause button, through the step of virtual
// time in which the strip's 0.5 s timer shows the new state, to the new frame arriving on a
// page's event stream. Beside it in
// the same run, the references: a bare request the device answers (the HTTP and queue floor), and
// the same request when the device also renders and encodes the whole screen (the picture floor).
// Wall time is the Time column; process_cpu_ms is every thread's processor time per tap, server and
// device included.
#include "support/DemoPhone.h"
#include "serve/DeviceLoop.h"
#include "serve/LiveServer.h"

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <atomic>
#include <condition_variable>
#include <filesystem>
#include <future>
#include <mutex>
#include <string>
#include <thread>
#include <time.h>

namespace {

double processCpuMilliseconds()
{
    timespec now {};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1e3 + static_cast<double>(now.tv_nsec) * 1e-6;
}

// The served demo device, its loop on a thread of its own (the one that boots it), clock paused.
class ServedPhone {
public:
    ServedPhone()
    {
        std::promise<int> port;
        auto bound = port.get_future();
        m_thread = std::thread([this, &port] {
            DemoPhone phone;
            DeviceLoop loop(phone.simulator(), phone.output());
            loop.device().setSpeed(0);
            loop.publish();
            LiveServer server(loop);
            port.set_value(server.start(0));
            loop.run([this] { return m_stop.load(); });
            server.stop();
        });
        m_port = bound.get();
    }
    ~ServedPhone()
    {
        m_stop = true;
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    std::atomic<bool> m_stop { false };
    int m_port { 0 };
    std::thread m_thread;
};

ServedPhone& phone()
{
    static ServedPhone served;
    return served;
}

// A page's event stream: the newest frame version it received.
class FrameListener {
public:
    explicit FrameListener(int port)
        : m_client("127.0.0.1", port)
    {
        m_thread = std::thread([this] {
            m_client.Get("/events", [this](const char* data, size_t length) {
                std::lock_guard lock(m_mutex);
                m_buffer.append(data, length);
                for (auto end = m_buffer.find("\n\n"); end != std::string::npos; end = m_buffer.find("\n\n")) {
                    static const std::string head = "event: frame\ndata: {";
                    if (m_buffer.rfind(head, 0) == 0) {
                        auto at = m_buffer.find("\"version\":");
                        m_version = std::stoull(m_buffer.substr(at + 10));
                    }
                    m_buffer.erase(0, end + 2);
                }
                m_arrived.notify_all();
                return true;
            });
        });
    }
    ~FrameListener()
    {
        m_client.stop();
        m_thread.join();
    }
    bool waitFor(std::uint64_t version)
    {
        std::unique_lock lock(m_mutex);
        return m_arrived.wait_for(lock, std::chrono::seconds(10), [&] { return m_version >= version; });
    }

private:
    httplib::Client m_client;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::string m_buffer;
    std::uint64_t m_version { 0 };
    std::thread m_thread;
};

std::uint64_t post(httplib::Client& client, const char* path, const char* body)
{
    auto result = client.Post(path, body, "application/json");
    if (!result || result->status != 200)
        return 0;
    return std::stoull(result->get_header_value("X-Lumora-Frame"));
}

void BM_TapToFrameAtClient(benchmark::State& state)
{
    httplib::Client client("127.0.0.1", phone().port());
    FrameListener listener(phone().port());
    double cpu = 0;
    std::uint64_t last = 0;
    for (auto _ : state) {
        double start = processCpuMilliseconds();
        post(client, "/api/gesture", R"({"kind":"tap","x":335,"y":579})");
        auto version = post(client, "/api/clock", R"({"step":0.6})");
        if (version <= last || !listener.waitFor(version)) {
            state.SkipWithError("the tap brought no frame");
            break;
        }
        last = version;
        cpu += processCpuMilliseconds() - start;
    }
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_TapToFrameAtClient)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

void BM_ReferenceRequestRoundTrip(benchmark::State& state)
{
    httplib::Client client("127.0.0.1", phone().port());
    double cpu = 0;
    for (auto _ : state) {
        double start = processCpuMilliseconds();
        auto result = client.Get("/api/state");
        benchmark::DoNotOptimize(result);
        cpu += processCpuMilliseconds() - start;
    }
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_ReferenceRequestRoundTrip)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(200);

void BM_ReferenceRenderAndEncodeScreen(benchmark::State& state)
{
    httplib::Client client("127.0.0.1", phone().port());
    double cpu = 0;
    for (auto _ : state) {
        double start = processCpuMilliseconds();
        // `snapshot` writes the picture too: the screen rendered and encoded, as a frame is.
        post(client, "/api/command", R"({"line":"snapshot lumora-bench-serve.png"})");
        cpu += processCpuMilliseconds() - start;
    }
    state.counters["process_cpu_ms"] = benchmark::Counter(cpu, benchmark::Counter::kAvgIterations);
    std::filesystem::remove(std::filesystem::temp_directory_path() / "lumora-bench-serve.png");
}
BENCHMARK(BM_ReferenceRenderAndEncodeScreen)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(40);

} // namespace
