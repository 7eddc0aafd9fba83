#include "support/host/ExpectedLayout.h"

#include "uikit/UIView.h"
#include "uikit/ViewDump.h"

#include <nlohmann/json.hpp>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

void writeView(const nlohmann::ordered_json& entry, int depth, std::string& out)
{
    out += std::string(2 * depth, ' ') + entry.at("class").get<std::string>();
    if (entry.contains("id"))
        out += " #" + entry.at("id").get<std::string>();
    auto& frame = entry.at("frame");
    out += " [" + frame[0].dump() + ", " + frame[1].dump() + ", " + frame[2].dump() + ", " + frame[3].dump()
        + "]";
    if (auto transform = entry.find("transform"); transform != entry.end())
        out += " transform=" + transform->dump();
    if (entry.at("hidden").get<bool>())
        out += " hidden";
    if (auto font = entry.find("font"); font != entry.end() && font->is_object())
        out += " font=" + font->at("name").get<std::string>() + "/" + font->at("size").dump();
    if (auto image = entry.find("image"); image != entry.end() && image->is_object())
        out += " image=" + image->at("name").get<std::string>();
    if (auto text = entry.find("text"); text != entry.end())
        out += " " + text->dump();
    out += '\n';
    for (auto& subview : entry.at("subviews"))
        writeView(subview, depth + 1, out);
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        out.push_back(line);
    return out;
}

// The lines only one side has, by a longest common subsequence: "-" expected, "+" actual, each
// with its line number on its side.
std::string difference(const std::string& expectedText, const std::string& actualText)
{
    auto expected = lines(expectedText);
    auto actual = lines(actualText);
    size_t rows = expected.size(), columns = actual.size();
    std::vector<std::vector<int>> common(rows + 1, std::vector<int>(columns + 1, 0));
    for (size_t i = rows; i-- > 0;) {
        for (size_t j = columns; j-- > 0;) {
            common[i][j] = expected[i] == actual[j] ? common[i + 1][j + 1] + 1
                                                    : std::max(common[i + 1][j], common[i][j + 1]);
        }
    }
    std::string out;
    size_t i = 0, j = 0;
    while (i < rows || j < columns) {
        if (i < rows && j < columns && expected[i] == actual[j]) {
            ++i;
            ++j;
        } else if (i < rows && (j == columns || common[i + 1][j] >= common[i][j + 1])) {
            out += "-" + std::to_string(i + 1) + ": " + expected[i] + "\n";
            ++i;
        } else {
            out += "+" + std::to_string(j + 1) + ": " + actual[j] + "\n";
            ++j;
        }
    }
    return out;
}

} // namespace

std::string layoutDump(const UIView& view)
{
    std::string out;
    writeView(ViewDump::json(view), 0, out);
    return out;
}

testing::AssertionResult matchesExpectedLayout(
    const UIView& view, const std::string& name, const std::string& folder)
{
    const char* sourceDir = std::getenv("LUMORA_SOURCE_DIR");
    if (!sourceDir)
        return testing::AssertionFailure() << "LUMORA_SOURCE_DIR is not set (ctest sets it)";
    auto path = std::filesystem::path(sourceDir) / folder / "expected" / (name + ".txt");
    auto actual = layoutDump(view);

    if (const char* update = std::getenv("LUMORA_UPDATE_EXPECTED"); update && std::string(update) == "1") {
        std::filesystem::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << actual;
        return testing::AssertionSuccess();
    }
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return testing::AssertionFailure()
            << "no expected layout " << path << "; run scripts/rebaseline-layouts to create it";
    std::string expected { std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>() };
    if (expected == actual)
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
        << "the layout differs from " << path << " (- expected, + actual, with line numbers):\n"
        << difference(expected, actual);
}
