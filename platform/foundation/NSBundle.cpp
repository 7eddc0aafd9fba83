#include "foundation/NSBundle.h"

#include "foundation/NSFileManager.h"

std::shared_ptr<NSBundle> NSBundle::initWithPath(std::string_view path)
{
    bool isDirectory = false;
    if (!NSFileManager::defaultManager()->fileExistsAtPath(path, &isDirectory) || !isDirectory)
        return nullptr;
    std::string bundlePath(path);
    while (bundlePath.size() > 1 && bundlePath.back() == '/')
        bundlePath.pop_back();
    return std::make_shared<NSBundle>(std::move(bundlePath));
}

std::string NSBundle::pathForResource(std::string_view name, std::string_view type) const
{
    if (name.empty())
        return {};
    std::string path = m_path + "/" + std::string(name);
    if (!type.empty())
        path += "." + std::string(type);
    bool isDirectory = false;
    if (!NSFileManager::defaultManager()->fileExistsAtPath(path, &isDirectory) || isDirectory)
        return {};
    return path;
}
