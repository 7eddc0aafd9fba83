#include "serve/ScriptRecorder.h"

#include "Duration.h"
#include "NumberText.h"

#include <algorithm>
#include <cmath>

void ScriptRecorder::start()
{
    m_recording = true;
    m_pending = 0;
    m_lines.clear();
}

void ScriptRecorder::stop()
{
    m_recording = false;
    m_pending = 0;
}

void ScriptRecorder::ran(const std::string& line)
{
    if (!m_recording)
        return;
    flushTime();
    m_lines.push_back(line);
}

void ScriptRecorder::advanced(double seconds)
{
    if (m_recording)
        m_pending += seconds;
}

// Whole milliseconds, as `advance` reads them; a command takes at most a day.
void ScriptRecorder::flushTime()
{
    auto milliseconds = std::llround(m_pending * 1000);
    m_pending = 0;
    constexpr long long day = static_cast<long long>(Duration::maximum) * 1000;
    while (milliseconds > 0) {
        auto step = std::min(milliseconds, day);
        milliseconds -= step;
        m_lines.push_back("advance "
            + (step % 1000 ? std::to_string(step) + "ms" : NumberText::format(static_cast<double>(step / 1000)) + "s"));
    }
}

std::string ScriptRecorder::script() const
{
    std::string text;
    for (auto& line : m_lines)
        text += line + "\n";
    return text;
}
