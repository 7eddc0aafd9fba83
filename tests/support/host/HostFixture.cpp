#include "support/host/HostFixture.h"

#include "hooks/LumoraLibrary.h"
#include "springboard/ResourceBundleInstaller.h"

#include <stdexcept>

namespace {

const char* const preferencePath = "/private/var/mobile/Library/Preferences/com.Orbelin.Lumora.plist";

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

} // namespace

HostFixture::HostFixture(springboard::Device device, const Preferences& preferences)
{
    if (auto failure = springboard::ResourceBundleInstaller::install(LUMORA_RESOURCE_BUNDLE_DIR))
        throw std::runtime_error(*failure);
    writePreferences(preferences);
    m_host = std::make_unique<springboard::SpringBoard>(std::move(device));
    m_host->loadLibrary(lumora::initialisers());
    m_host->buildWindows();
}

void HostFixture::writePreferences(const Preferences& preferences) const
{
    std::string entries;
    for (auto& [key, value] : preferences)
        entries += "<key>" + escaped(key) + "</key><string>" + escaped(value) + "</string>";
    m_deviceRoot.write(preferencePath,
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + entries
            + "</dict></plist>");
}
