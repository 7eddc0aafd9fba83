#include "serve/ServedDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <regex>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ServedDevice::ServedDevice(std::vector<std::string> arguments)
{
    std::signal(SIGPIPE, SIG_IGN);
    arguments.insert(arguments.begin(), { LUMORA_SIM, "--serve", "0" });
    std::vector<char*> argv;
    for (auto& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    int output[2];
    if (pipe(output) != 0)
        throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, output[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, output[0]);
    if (posix_spawn(&m_pid, LUMORA_SIM, &actions, nullptr, argv.data(), environ) != 0)
        throw std::runtime_error("cannot start lumora-sim");
    posix_spawn_file_actions_destroy(&actions);
    close(output[1]);
    // The first line that names the address; the pipe stays open so the program may print more.
    std::string seen;
    std::smatch found;
    static const std::regex address("serving http://127\\.0\\.0\\.1:([0-9]+)/");
    char byte;
    while (!std::regex_search(seen, found, address) && read(output[0], &byte, 1) == 1)
        seen += byte;
    if (found.empty())
        throw std::runtime_error("lumora-sim did not serve; it printed: " + seen);
    m_port = std::stoi(found[1]);
    std::thread([fd = output[0]] {
        char buffer[256];
        while (read(fd, buffer, sizeof buffer) > 0) { }
        close(fd);
    }).detach();
    post("/api/clock", { { "speed", 0 } });
}

ServedDevice::~ServedDevice()
{
    if (m_pid <= 0)
        return;
    kill(m_pid, SIGTERM);
    for (int waited = 0; waited < 100; ++waited) {
        if (waitpid(m_pid, nullptr, WNOHANG) == m_pid)
            return;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    ADD_FAILURE() << "lumora-sim did not stop within 5 s of SIGTERM";
    kill(m_pid, SIGKILL);
    waitpid(m_pid, nullptr, 0);
}

httplib::Client ServedDevice::client() const
{
    httplib::Client client("127.0.0.1", m_port);
    client.set_read_timeout(30, 0);
    return client;
}

nlohmann::json ServedDevice::post(const std::string& path, const nlohmann::json& body, int expectedStatus) const
{
    auto result = client().Post(path.c_str(), body.dump(), "application/json");
    if (!result)
        throw std::runtime_error("no answer to POST " + path);
    EXPECT_EQ(result->status, expectedStatus) << path << " " << body.dump() << " -> " << result->body;
    return nlohmann::json::parse(result->body, nullptr, false);
}

nlohmann::json ServedDevice::get(const std::string& path) const
{
    auto result = client().Get(path.c_str());
    if (!result)
        throw std::runtime_error("no answer to GET " + path);
    EXPECT_EQ(result->status, 200) << path;
    return nlohmann::json::parse(result->body, nullptr, false);
}
