#pragma once

#include <filesystem>
#include <string_view>

// A fresh folder under the machine's temporary folder, removed with its contents when the object
// goes unless kept.
class TemporaryFolder {
public:
    // The folder's name starts with the prefix. Throws std::runtime_error when none can be made.
    explicit TemporaryFolder(std::string_view prefix = "lumora");
    ~TemporaryFolder();
    TemporaryFolder(const TemporaryFolder&) = delete;
    TemporaryFolder& operator=(const TemporaryFolder&) = delete;

    const std::filesystem::path& path() const { return m_path; }
    void keep() { m_keep = true; }

private:
    std::filesystem::path m_path;
    bool m_keep { false };
};
