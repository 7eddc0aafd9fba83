#pragma once

#include "uikit/CGGeometry.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What a script points at: a point of the screen ("120,340"), or a view named by its
// accessibility identifier or its class name, or by a path of such names separated by "/",
// each found inside the one before it ("LMView/_timeContainerView/UILabel").
class Target {
public:
    // Nothing when the text is empty, or a path has an empty step.
    static std::optional<Target> parse(std::string_view);

    const std::optional<CGPoint>& point() const { return m_point; }
    const std::vector<std::string>& path() const { return m_path; }
    // As the script wrote it.
    const std::string& text() const { return m_text; }

private:
    std::optional<CGPoint> m_point;
    std::vector<std::string> m_path;
    std::string m_text;
};
