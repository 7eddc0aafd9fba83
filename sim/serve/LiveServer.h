#pragma once

#include <atomic>
#include <memory>
#include <string>
#include <thread>

class DeviceLoop;

namespace httplib {
class Server;
}

// The page's HTTP server, on the loopback address only, on threads of its own: it serves the
// page's files, streams frames and state as server-sent events, and hands every request that
// touches the device to the device loop. A request it cannot use gets a 4xx and changes nothing.
class LiveServer {
public:
    // Streams open at once; more are told to come back later.
    static constexpr int maximumStreams = 16;
    static constexpr size_t maximumBody = 64 * 1024;

    explicit LiveServer(DeviceLoop&);
    ~LiveServer();
    LiveServer(const LiveServer&) = delete;
    LiveServer& operator=(const LiveServer&) = delete;

    // Binds 127.0.0.1 at the port (0: any free one) and serves on a thread of its own. Returns the
    // port; throws InputError when it cannot bind.
    int start(int port);
    void stop();

private:
    void addRoutes();

    DeviceLoop& m_loop;
    std::unique_ptr<httplib::Server> m_server;
    std::thread m_thread;
    std::atomic<int> m_streams { 0 };
};
