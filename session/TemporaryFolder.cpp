#include "session/TemporaryFolder.h"

#include <cstdlib>
#include <stdexcept>
#include <string>

TemporaryFolder::TemporaryFolder(std::string_view prefix)
{
    auto folder = std::filesystem::temp_directory_path();
    auto pattern = (folder / (std::string(prefix) + "-XXXXXX")).string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot make a temporary folder in " + folder.string());
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder()
{
    if (m_keep)
        return;
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}
