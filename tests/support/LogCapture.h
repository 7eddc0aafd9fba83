#pragma once

#include "objc/CFLog.h"

#include <string>
#include <vector>

// Captures CFLog lines for the life of the object.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    struct Line {
        int level;
        std::string message;
    };
    const std::vector<Line>& lines() const { return m_lines; }
    std::vector<std::string> messages() const;

private:
    std::vector<Line> m_lines;
    objc::LogSink m_previous;
};
