#include "serve/LiveServer.h"

#include "serve/DeviceLoop.h"
#include "serve/JsonText.h"
#include "serve/PageFiles.h"
#include "serve/ViewInspector.h"

#include "InputError.h"
#include "NumberText.h"

#include <httplib.h>

#include <nlohmann/json.hpp>

#include <chrono>
#include <csignal>

namespace {

using namespace std::chrono_literals;

// How long a request waits for the device (a day of virtual time runs in about a second).
constexpr auto deviceTimeout = 30s;
// A stream says something this often, so a closed tab is noticed.
constexpr auto keepAliveInterval = 10s;
constexpr double speeds[] = { 0, 1, 60, 3600 };

void refuse(httplib::Response& response, int status, const std::string& message)
{
    response.status = status;
    response.set_content(jsonText({ { "error", message } }), "application/json");
}

nlohmann::json body(const httplib::Request& request)
{
    auto parsed = nlohmann::json::parse(request.body, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object())
        throw InputError("the body must be a JSON object");
    return parsed;
}

DeviceLoop::Reply outcome(const LiveDevice::Outcome& outcome)
{
    return { 200, jsonText({ { "line", outcome.line }, { "output", outcome.output }, { "failed", outcome.failed } }) };
}

double queryNumber(const httplib::Request& request, const char* key)
{
    auto value = NumberText::parse(request.get_param_value(key));
    if (!value)
        throw InputError(std::string("the query needs a number ") + key);
    return *value;
}

} // namespace

LiveServer::LiveServer(DeviceLoop& loop)
    : m_loop(loop)
    , m_server(std::make_unique<httplib::Server>())
{
    // Each open stream holds a thread: room for all of them and the requests beside.
    m_server->new_task_queue = [] { return new httplib::ThreadPool(maximumStreams + 8); };
    m_server->set_payload_max_length(maximumBody);
    m_server->set_read_timeout(5, 0);
    m_server->set_write_timeout(5, 0);
    m_server->set_keep_alive_timeout(2);
    addRoutes();
}

LiveServer::~LiveServer()
{
    stop();
}

int LiveServer::start(int port)
{
    // The library writes to sockets without asking the kernel to spare the process: a tab closed
    // mid-frame must end that stream, not the program.
    std::signal(SIGPIPE, SIG_IGN);
    int bound = port == 0 ? m_server->bind_to_any_port("127.0.0.1") : (m_server->bind_to_port("127.0.0.1", port) ? port : -1);
    if (bound <= 0)
        throw InputError("cannot listen on 127.0.0.1:" + std::to_string(port) + " (is the port in use?)");
    m_thread = std::thread([this] { m_server->listen_after_bind(); });
    return bound;
}

void LiveServer::stop()
{
    if (!m_thread.joinable())
        return;
    m_loop.shutDown();
    m_server->stop();
    m_thread.join();
}

void LiveServer::addRoutes()
{
    auto& server = *m_server;
    // Requests the device answers: a 4xx from the work itself, 503 when it is busy or stopping.
    auto onDevice = [this](httplib::Response& response, DeviceLoop::Work work,
                        DeviceLoop::Effect effect = DeviceLoop::Effect::changes) {
        auto reply = m_loop.call(std::move(work), deviceTimeout, effect);
        if (!reply)
            return refuse(response, 503, "the device is busy or stopping; try again");
        response.status = reply->status;
        response.set_header("X-Lumora-Frame", std::to_string(reply->frameVersion));
        response.set_content(reply->body, reply->contentType.c_str());
    };
    auto jsonRequest = [onDevice](const httplib::Request& request, httplib::Response& response,
                           std::function<DeviceLoop::Reply(LiveDevice&, const nlohmann::json&)> work) {
        nlohmann::json parsed;
        try {
            parsed = body(request);
        } catch (const InputError& error) {
            return refuse(response, 400, error.what());
        }
        onDevice(response, [&](LiveDevice& device) { return work(device, parsed); });
    };

    server.Get("/events", [this](const httplib::Request&, httplib::Response& response) {
        if (++m_streams > maximumStreams) {
            --m_streams;
            return refuse(response, 503, "too many pages are open");
        }
        response.set_header("Cache-Control", "no-cache");
        auto seen = std::make_shared<ScreenFeed::Edition>();
        response.set_chunked_content_provider(
            "text/event-stream",
            [this, seen](size_t, httplib::DataSink& sink) {
                auto edition = m_loop.feed().waitNewer(seen->version, keepAliveInterval);
                if (!edition) {
                    if (m_loop.feed().closed()) {
                        sink.done();
                        return true;
                    }
                    static constexpr std::string_view ping = ": still here\n\n";
                    return sink.write(ping.data(), ping.size());
                }
                bool written = true;
                if (edition->frameVersion != seen->frameVersion && edition->frameEvent)
                    written = sink.write(edition->frameEvent->data(), edition->frameEvent->size());
                if (written && edition->stateVersion != seen->stateVersion && edition->stateEvent)
                    written = sink.write(edition->stateEvent->data(), edition->stateEvent->size());
                *seen = *edition;
                return written;
            },
            [this](bool) { --m_streams; });
    });
    server.Get("/frame.png", [this](const httplib::Request&, httplib::Response& response) {
        auto png = m_loop.feed().latest().png;
        if (!png)
            return refuse(response, 503, "no frame yet");
        response.set_header("Cache-Control", "no-store");
        response.set_content(*png, "image/png");
    });
    server.Get("/api/state", [onDevice](const httplib::Request&, httplib::Response& response) {
        onDevice(
            response, [](LiveDevice& device) { return DeviceLoop::Reply { 200, jsonText(device.state()) }; },
            DeviceLoop::Effect::reads);
    });
    server.Get("/api/tree", [onDevice](const httplib::Request&, httplib::Response& response) {
        onDevice(
            response, [](LiveDevice&) { return DeviceLoop::Reply { 200, jsonText(ViewInspector::tree()) }; },
            DeviceLoop::Effect::reads);
    });
    server.Get("/api/hit", [onDevice](const httplib::Request& request, httplib::Response& response) {
        CGPoint point;
        try {
            point = CGPointMake(queryNumber(request, "x"), queryNumber(request, "y"));
        } catch (const InputError& error) {
            return refuse(response, 400, error.what());
        }
        onDevice(
            response,
            [point](LiveDevice&) {
                return DeviceLoop::Reply { 200,
                    jsonText({ { "view", ViewInspector::at(point) }, { "target", ViewInspector::targetAt(point) } }) };
            },
            DeviceLoop::Effect::reads);
    });
    server.Post("/api/command", [jsonRequest](const httplib::Request& request, httplib::Response& response) {
        jsonRequest(request, response, [](LiveDevice& device, const nlohmann::json& parsed) {
            auto line = parsed.find("line");
            if (line == parsed.end() || !line->is_string())
                throw InputError("\"line\" must be a script command");
            return outcome(device.run(line->get<std::string>()));
        });
    });
    server.Post("/api/gesture", [jsonRequest](const httplib::Request& request, httplib::Response& response) {
        jsonRequest(request, response,
            [](LiveDevice& device, const nlohmann::json& parsed) { return outcome(device.gesture(parsed)); });
    });
    server.Post("/api/clock", [jsonRequest](const httplib::Request& request, httplib::Response& response) {
        jsonRequest(request, response, [](LiveDevice& device, const nlohmann::json& parsed) {
            if (auto speed = parsed.find("speed"); speed != parsed.end()) {
                if (!speed->is_number() || std::find(std::begin(speeds), std::end(speeds), speed->get<double>()) == std::end(speeds))
                    throw InputError("\"speed\" must be 0 (paused), 1, 60 or 3600");
                device.setSpeed(speed->get<double>());
            } else if (auto step = parsed.find("step"); step != parsed.end()) {
                if (!step->is_number() || !(step->get<double>() > 0) || step->get<double>() > 3600)
                    throw InputError("\"step\" must be a number of seconds above 0, at most 3600");
                device.step(step->get<double>());
            } else {
                throw InputError("expected {\"speed\": N} or {\"step\": SECONDS}");
            }
            return DeviceLoop::Reply { 200, jsonText(device.state()) };
        });
    });
    server.Post("/api/recording", [jsonRequest](const httplib::Request& request, httplib::Response& response) {
        jsonRequest(request, response, [](LiveDevice& device, const nlohmann::json& parsed) {
            auto action = parsed.value("action", nlohmann::json()).is_string() ? parsed["action"].get<std::string>() : "";
            if (action == "start")
                device.recorder().start();
            else if (action == "stop")
                device.recorder().stop();
            else
                throw InputError("\"action\" must be start or stop");
            return DeviceLoop::Reply { 200, jsonText(device.state()) };
        });
    });
    server.Get("/api/recording", [onDevice](const httplib::Request&, httplib::Response& response) {
        onDevice(
            response,
            [](LiveDevice& device) {
                return DeviceLoop::Reply { 200, device.recorder().script(), "text/plain; charset=utf-8" };
            },
            DeviceLoop::Effect::reads);
    });
    server.Get(R"(/[A-Za-z0-9._-]*)", [](const httplib::Request& request, httplib::Response& response) {
        auto* file = PageFiles::find(request.path);
        if (!file)
            return refuse(response, 404, "no such page: " + request.path);
        response.set_content(std::string(file->body), std::string(file->contentType).c_str());
    });
    server.set_error_handler([](const httplib::Request& request, httplib::Response& response) {
        if (response.body.empty())
            refuse(response, response.status, response.status == 404 ? "nothing at " + request.method + " " + request.path
                                                                      : "the request was refused");
    });
    server.set_exception_handler([](const httplib::Request&, httplib::Response& response, std::exception_ptr) {
        refuse(response, 500, "the server failed on this request");
    });
}
