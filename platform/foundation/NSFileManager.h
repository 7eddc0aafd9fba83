#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string_view>

class NSData;

// The device's files, by their platform paths (see foundation::DeviceFileSystem). A path outside
// the device is treated as missing.
class NSFileManager : public NSObject {
    OBJC_CLASS(NSFileManager, NSObject)
public:
    static std::shared_ptr<NSFileManager> defaultManager();

    bool fileExistsAtPath(std::string_view path, bool* isDirectory = nullptr) const;
    // Nothing when the file is missing.
    std::shared_ptr<NSData> contentsAtPath(std::string_view path) const;
    // Creates or replaces the file; its folder must exist. Nothing written gives an empty file.
    bool createFileAtPath(std::string_view path, const NSData* contents) const;
    bool createDirectoryAtPath(std::string_view path, bool withIntermediateDirectories) const;
    // Removes a file, or a folder with everything in it.
    bool removeItemAtPath(std::string_view path) const;
};
