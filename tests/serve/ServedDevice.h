#pragma once

#include <httplib.h>

#include <nlohmann/json.hpp>

#include <string>
#include <sys/types.h>
#include <vector>

// lumora-sim --serve on a free loopback port, as a process of its own, its clock paused once up;
// stopped with SIGTERM when the test ends.
class ServedDevice {
public:
    explicit ServedDevice(std::vector<std::string> arguments = {});
    ~ServedDevice();
    ServedDevice(const ServedDevice&) = delete;
    ServedDevice& operator=(const ServedDevice&) = delete;

    int port() const { return m_port; }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(m_port) + "/"; }
    httplib::Client client() const;

    nlohmann::json post(const std::string& path, const nlohmann::json& body, int expectedStatus = 200) const;
    // A script command's reply.
    nlohmann::json command(const std::string& line) const { return post("/api/command", { { "line", line } }); }
    nlohmann::json get(const std::string& path) const;

private:
    pid_t m_pid { -1 };
    int m_port { 0 };
};
