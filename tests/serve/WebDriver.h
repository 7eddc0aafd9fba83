#pragma once

#include <httplib.h>

#include <nlohmann/json.hpp>

#include <memory>
#include <string>
#include <sys/types.h>

// Debian's headless Chromium driven through chromedriver's WebDriver protocol (JSON over HTTP on
// the loopback address): one browser session, ended with the object.
class WebDriver {
public:
    static constexpr const char* driverPath = "/usr/bin/chromedriver";
    static constexpr const char* browserPath = "/usr/bin/chromium";
    static bool installed();

    // Throws std::runtime_error when the driver or the browser does not come up within seconds.
    WebDriver();
    ~WebDriver();
    WebDriver(const WebDriver&) = delete;
    WebDriver& operator=(const WebDriver&) = delete;

    void open(const std::string& url);
    nlohmann::json execute(const std::string& script);
    // The element's WebDriver reference, found by a CSS selector.
    std::string find(const std::string& selector);
    void click(const std::string& element);
    void type(const std::string& element, const std::string& text);
    void clear(const std::string& element);
    std::string text(const std::string& element);
    // A mouse press and release at this offset, in CSS pixels, from the element's top left.
    void clickAt(const std::string& element, int x, int y);
    // The window as a PNG file's bytes.
    std::string screenshot();

private:
    nlohmann::json call(const std::string& method, const std::string& path, const nlohmann::json& body = {});

    pid_t m_pid { -1 };
    std::unique_ptr<httplib::Client> m_client;
    std::string m_session;
};
