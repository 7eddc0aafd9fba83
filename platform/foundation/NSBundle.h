#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <string>
#include <string_view>

// A folder of resources on the device, asked for by name and type.
class NSBundle : public NSObject {
    OBJC_CLASS(NSBundle, NSObject)
public:
    explicit NSBundle(std::string path)
        : m_path(std::move(path))
    { }

    // Nothing when the folder is missing.
    static std::shared_ptr<NSBundle> initWithPath(std::string_view path);

    const std::string& bundlePath() const { return m_path; }
    // The device path of "<bundle>/<name>.<type>" ("<bundle>/<name>" with no type) when that
    // file exists, else empty text. The name may hold folders: "Battery/Battery10".
    std::string pathForResource(std::string_view name, std::string_view type) const;

private:
    std::string m_path;
}; // not implemented: localised resource folders
