#include "support/LogCapture.h"

LogCapture::LogCapture()
    : m_previous(objc::setLogSink([this](int level, const std::string& message) {
        m_lines.push_back({ level, message });
    }))
{ }

LogCapture::~LogCapture()
{
    objc::setLogSink(std::move(m_previous));
}

std::vector<std::string> LogCapture::messages() const
{
    std::vector<std::string> out;
    for (auto& line : m_lines)
        out.push_back(line.message);
    return out;
}
