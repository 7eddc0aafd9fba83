#include "OutputFolder.h"

#include <fstream>
#include <stdexcept>

std::filesystem::path OutputFolder::write(
    const std::string& name, const std::function<void(const std::string&)>& write) const
{
    auto path = pathOf(name);
    auto temporary = path;
    temporary += ".partial";
    std::error_code error;
    if (path.has_parent_path())
        std::filesystem::create_directories(path.parent_path(), error);
    try {
        write(temporary.string());
    } catch (const std::exception&) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot write " + path.string());
    }
    std::filesystem::rename(temporary, path, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        throw std::runtime_error("cannot write " + path.string());
    }
    return path;
}

std::filesystem::path OutputFolder::writeText(const std::string& name, const std::string& text) const
{
    return write(name, [&](const std::string& temporary) {
        std::ofstream file(temporary, std::ios::binary);
        if (!(file << text) || !file.flush())
            throw std::runtime_error("cannot write " + temporary);
    });
}
