// lumora-sim --serve over HTTP on the loopback address, as pages use it.
#include "serve/EventStream.h"
#include "serve/ServedDevice.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cstdlib>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

std::uint64_t frameOf(const httplib::Result& result)
{
    return std::stoull(result->get_header_value("X-Lumora-Frame"));
}

// A raw connection that asks for the stream and then reads nothing, or leaves at once.
int openStream(int port, bool readNothing)
{
    int fd = socket(AF_INET, SOCK_STREAM, 0);
    if (readNothing) {
        int small = 4096;
        setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
    }
    sockaddr_in address {};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    EXPECT_EQ(connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
    std::string request = "GET /events HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n";
    EXPECT_EQ(write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
    return fd;
}

} // namespace

TEST(Server, ATapOnTheWeatherOpensItsOverlayAndEveryPageGetsTheNewFrame)
{
    ServedDevice device;
    EventStream first(device.port());
    EventStream second(device.port());
    auto before = device.client().Get("/api/state");
    ASSERT_TRUE(first.waitForFrame(frameOf(before)));

    auto tap = device.client().Post("/api/gesture", R"({"kind":"tap","x":270,"y":48})", "application/json");
    ASSERT_TRUE(tap);
    EXPECT_EQ(nlohmann::json::parse(tap->body)["line"], "tap _weatherContainerView");
    // The single tap waits out the double tap's interval in virtual time.
    auto step = device.client().Post("/api/clock", R"({"step":1})", "application/json");
    ASSERT_TRUE(step);
    EXPECT_GT(frameOf(step), frameOf(before));
    EXPECT_EQ(device.command("expect LMWeatherDisplayView.isActive == true")["failed"], false);

    ASSERT_TRUE(first.waitForFrame(frameOf(step)));
    ASSERT_TRUE(second.waitForFrame(frameOf(step)));
    EXPECT_EQ(first.frameVersion(), second.frameVersion());
    EXPECT_EQ(first.framePicture(), second.framePicture());
    auto png = device.client().Get("/frame.png");
    ASSERT_TRUE(png);
    EXPECT_EQ(png->get_header_value("Content-Type"), "image/png");
}

TEST(Server, MalformedRequestsAreRefusedAndChangeNothing)
{
    ServedDevice device;
    auto stateBefore = device.get("/api/state");
    auto frameBefore = frameOf(device.client().Get("/api/state"));
    struct Case {
        const char* path;
        std::string body;
        int status;
    };
    const Case cases[] = {
        { "/api/gesture", "{\"kind\":\"tap\"", 400 },
        { "/api/gesture", "[1, 2]", 400 },
        { "/api/gesture", R"({"x":10,"y":10})", 400 },
        { "/api/gesture", R"({"kind":"pinch","x":10,"y":10})", 400 },
        { "/api/gesture", R"({"kind":"tap","x":"10","y":10})", 400 },
        { "/api/gesture", R"({"kind":"tap","x":10,"y":5000})", 400 },
        { "/api/gesture", R"({"kind":"drag","x":10,"y":10,"toX":900,"toY":10,"duration":0.5})", 400 },
        { "/api/gesture", R"({"kind":"long-press","x":10,"y":10,"duration":-1})", 400 },
        { "/api/command", R"({"line":"fly away"})", 400 },
        { "/api/command", R"({"line":42})", 400 },
        { "/api/command", "{\"line\":\"tap \xff\xfe\"}", 400 },
        { "/api/clock", R"({"speed":7})", 400 },
        { "/api/clock", R"({"step":-1})", 400 },
        { "/api/recording", R"({"action":"rewind"})", 400 },
        { "/api/command", "{\"line\":\"" + std::string(100000, 'a') + "\"}", 413 },
        { "/api/nothing", "{}", 404 },
    };
    for (auto& request : cases) {
        auto result = device.client().Post(request.path, request.body, "application/json");
        ASSERT_TRUE(result) << request.path << " " << request.body.substr(0, 60);
        EXPECT_EQ(result->status, request.status) << request.path << " " << request.body.substr(0, 60);
        if (request.status != 413) {
            EXPECT_TRUE(nlohmann::json::parse(result->body, nullptr, false).contains("error")) << result->body;
        }
    }
    for (auto path : { "/api/hit?x=abc&y=1", "/api/hit", "/missing.js", "/../etc/passwd" }) {
        auto result = device.client().Get(path);
        ASSERT_TRUE(result) << path;
        EXPECT_GE(result->status, 400) << path;
        EXPECT_LT(result->status, 500) << path;
    }
    EXPECT_EQ(device.get("/api/state"), stateBefore);
    EXPECT_EQ(frameOf(device.client().Get("/api/state")), frameBefore);
}

TEST(Server, ClosedAndStalledPagesDoNotHoldUpTheOthers)
{
    ServedDevice device;
    close(openStream(device.port(), false));
    int stalled = openStream(device.port(), true);
    // Frames pile up for the stalled page: many full pictures, each a change.
    for (auto line : { "rotate landscape", "rotate portrait", "display off", "display on", "rotate landscape",
             "rotate portrait" })
        EXPECT_EQ(device.command(line)["failed"], false) << line;
    EventStream fresh(device.port());
    auto state = device.client().Get("/api/state");
    ASSERT_TRUE(state);
    EXPECT_TRUE(fresh.waitForFrame(frameOf(state)));
    close(stalled);
    EXPECT_EQ(device.command("print device.locked")["output"], "true\n");
}

TEST(Server, RecordsWhatThePersonDidAsAScript)
{
    ServedDevice device;
    device.post("/api/recording", { { "action", "start" } });
    device.post("/api/gesture", { { "kind", "tap" }, { "x", 270 }, { "y", 48 } });
    device.post("/api/clock", { { "step", 1.5 } });
    device.post("/api/gesture", { { "kind", "drag" }, { "x", 100 }, { "y", 400 }, { "toX", 100 }, { "toY", 250 },
                                    { "duration", 0.1 } });
    device.post("/api/gesture", { { "kind", "drag" }, { "x", 100 }, { "y", 400 }, { "toX", 160 }, { "toY", 380 },
                                    { "duration", 0.8 } });
    device.command("home");
    device.post("/api/recording", { { "action", "stop" } });
    device.command("home");
    auto script = device.client().Get("/api/recording");
    ASSERT_TRUE(script);
    EXPECT_EQ(script->body,
        "tap _weatherContainerView\nadvance 1500ms\nswipe up 100,400\ndrag 100,400 160,380 800ms\nhome\n");
}

TEST(Server, ServesThePageAndTheInspector)
{
    ServedDevice device;
    for (auto path : { "/", "/app.js", "/style.css" }) {
        auto result = device.client().Get(path);
        ASSERT_TRUE(result) << path;
        EXPECT_EQ(result->status, 200) << path;
    }
    auto hit = device.get("/api/hit?x=270&y=48");
    EXPECT_EQ(hit["target"], "_weatherContainerView");
    auto tree = device.get("/api/tree");
    ASSERT_TRUE(tree.is_array());
    EXPECT_NE(tree.dump().find("\"_weatherContainerView\""), std::string::npos);
}

TEST(Server, APageSeesTheNoticeOfACommandThatDidNothing)
{
    ServedDevice device({ "--device", std::string(std::getenv("LUMORA_SOURCE_DIR")) + "/tests/sim/scripts/ios10.json" });
    auto reply = device.command("today open");
    EXPECT_FALSE(reply["failed"].get<bool>());
    EXPECT_NE(reply["output"].get<std::string>().find("exists on 9.x only"), std::string::npos) << reply.dump();
}
