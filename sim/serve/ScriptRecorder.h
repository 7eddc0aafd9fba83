#pragma once

#include <string>
#include <vector>

// What a person did on the page, as a script that replays it: each command as it ran, with
// `advance` lines for the virtual time that passed between them.
class ScriptRecorder {
public:
    void start();
    void stop();
    bool recording() const { return m_recording; }

    void ran(const std::string& line);
    void advanced(double seconds);
    // The script so far, one command a line.
    std::string script() const;
    size_t lineCount() const { return m_lines.size(); }

private:
    void flushTime();

    bool m_recording { false };
    double m_pending { 0 };
    std::vector<std::string> m_lines;
};
