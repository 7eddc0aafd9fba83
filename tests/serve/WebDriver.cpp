#include "serve/WebDriver.h"

#include <arpa/inet.h>
#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <netinet/in.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/socket.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr const char* elementKey = "element-6066-11e4-a52e-4f735466cecf";

int freePort()
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
}

std::string decodeBase64(const std::string& text)
{
    std::string bytes;
    unsigned value = 0;
    int bits = 0;
    for (char c : text) {
        int digit = c >= 'A' && c <= 'Z' ? c - 'A'
            : c >= 'a' && c <= 'z'        ? c - 'a' + 26
            : c >= '0' && c <= '9'        ? c - '0' + 52
            : c == '+'                    ? 62
            : c == '/'                    ? 63
                                          : -1;
        if (digit < 0)
            continue;
        value = value << 6 | static_cast<unsigned>(digit);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>((value >> bits) & 0xff);
        }
    }
    return bytes;
}

} // namespace

bool WebDriver::installed()
{
    return access(driverPath, X_OK) == 0 && access(browserPath, X_OK) == 0;
}

WebDriver::WebDriver()
{
    int port = freePort();
    std::string portArgument = "--port=" + std::to_string(port);
    char* argv[] = { const_cast<char*>(driverPath), portArgument.data(), nullptr };
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    int failed = posix_spawn(&m_pid, driverPath, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed)
        throw std::runtime_error("cannot start chromedriver");
    m_client = std::make_unique<httplib::Client>("127.0.0.1", port);
    m_client->set_connection_timeout(1, 0);
    m_client->set_read_timeout(60, 0);
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(15);
    while (!m_client->Get("/status")) {
        if (std::chrono::steady_clock::now() > deadline)
            throw std::runtime_error("chromedriver did not answer within 15 s");
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    nlohmann::json options { { "binary", browserPath },
        { "args",
            { "--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--window-size=1100,1000",
                "--force-device-scale-factor=1" } } };
    auto session = call("POST", "/session",
        { { "capabilities", { { "alwaysMatch", { { "goog:chromeOptions", options } } } } } });
    if (!session.contains("sessionId"))
        throw std::runtime_error("chromedriver made no session: " + session.dump().substr(0, 400));
    m_session = session["sessionId"].get<std::string>();
}

WebDriver::~WebDriver()
{
    if (!m_session.empty()) {
        try {
            call("DELETE", "/session/" + m_session);
        } catch (const std::exception&) {
        }
    }
    if (m_pid > 0) {
        kill(m_pid, SIGTERM);
        waitpid(m_pid, nullptr, 0);
    }
}

nlohmann::json WebDriver::call(const std::string& method, const std::string& path, const nlohmann::json& body)
{
    auto full = m_session.empty() || path.rfind("/session/", 0) == 0 ? path : "/session/" + m_session + path;
    httplib::Result result = method == "GET" ? m_client->Get(full.c_str())
        : method == "DELETE"                 ? m_client->Delete(full.c_str())
                                             : m_client->Post(full.c_str(), body.is_null() ? "{}" : body.dump(), "application/json");
    if (!result)
        throw std::runtime_error("chromedriver did not answer " + method + " " + full);
    auto reply = nlohmann::json::parse(result->body, nullptr, false);
    if (result->status != 200 || reply.is_discarded())
        throw std::runtime_error(method + " " + full + ": " + std::to_string(result->status) + " " + result->body.substr(0, 400));
    return reply["value"];
}

void WebDriver::open(const std::string& url)
{
    call("POST", "/url", { { "url", url } });
}

nlohmann::json WebDriver::execute(const std::string& script)
{
    return call("POST", "/execute/sync", { { "script", script }, { "args", nlohmann::json::array() } });
}

std::string WebDriver::find(const std::string& selector)
{
    auto found = call("POST", "/element", { { "using", "css selector" }, { "value", selector } });
    if (!found.contains(elementKey))
        throw std::runtime_error("no element " + selector + ": " + found.dump().substr(0, 400));
    return found[elementKey];
}

void WebDriver::click(const std::string& element)
{
    call("POST", "/element/" + element + "/click");
}

void WebDriver::type(const std::string& element, const std::string& text)
{
    call("POST", "/element/" + element + "/value", { { "text", text } });
}

void WebDriver::clear(const std::string& element)
{
    call("POST", "/element/" + element + "/clear");
}

std::string WebDriver::text(const std::string& element)
{
    return call("GET", "/element/" + element + "/text");
}

void WebDriver::clickAt(const std::string& element, int x, int y)
{
    auto box = call("GET", "/element/" + element + "/rect");
    // Offsets are from the element's middle.
    int dx = x - static_cast<int>(box["width"].get<double>() / 2);
    int dy = y - static_cast<int>(box["height"].get<double>() / 2);
    nlohmann::json mouse { { "type", "pointer" }, { "id", "mouse" }, { "parameters", { { "pointerType", "mouse" } } },
        { "actions",
            { { { "type", "pointerMove" }, { "duration", 0 }, { "origin", { { elementKey, element } } }, { "x", dx },
                  { "y", dy } },
                { { "type", "pointerDown" }, { "button", 0 } }, { { "type", "pointerUp" }, { "button", 0 } } } } };
    call("POST", "/actions", { { "actions", { mouse } } });
}

std::string WebDriver::screenshot()
{
    return decodeBase64(call("GET", "/screenshot").get<std::string>());
}
