#pragma once

#include <filesystem>
#include <functional>
#include <string>

// Where snapshots and dumps go. A file appears whole or not at all: it is written beside its
// place under a temporary name, then renamed into place.
class OutputFolder {
public:
    explicit OutputFolder(std::filesystem::path folder)
        : m_folder(std::move(folder))
    { }

    // The path of a file named relative to the folder (an absolute name stays as it is).
    std::filesystem::path pathOf(const std::string& name) const
    {
        return (m_folder / name).lexically_normal();
    }

    // Writes the file through `write`, which is given the temporary path to write; returns the
    // file's path. Throws std::runtime_error naming the file when it cannot be written.
    std::filesystem::path write(
        const std::string& name, const std::function<void(const std::string&)>& write) const;
    std::filesystem::path writeText(const std::string& name, const std::string& text) const;

private:
    std::filesystem::path m_folder;
};
