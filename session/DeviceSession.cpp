#include "session/DeviceSession.h"

#include "contracts/PreferenceFilePath.h"
#include "foundation/DeviceFileSystem.h"
#include "hooks/LumoraLibrary.h"
#include "objc/Runtime.h"
#include "springboard/ResourceBundleInstaller.h"

#include <filesystem>
#include <stdexcept>

namespace {

std::string escaped(const std::string& text)
{
    std::string out;
    for (char c : text) {
        if (c == '&')
            out += "&amp;";
        else if (c == '<')
            out += "&lt;";
        else
            out += c;
    }
    return out;
}

} // namespace

DeviceSession::DeviceSession(springboard::Device device)
{
    if (auto failure = springboard::ResourceBundleInstaller::install(LUMORA_RESOURCE_BUNDLE_DIR))
        throw std::runtime_error(*failure);
    m_host = std::make_unique<springboard::SpringBoard>(std::move(device));
    m_host->loadLibrary(lumora::initialisers());
    m_host->buildWindows();
    m_generation = objc::Runtime::processGeneration();
}

DeviceSession::~DeviceSession()
{
    end();
}

long DeviceSession::end()
{
    if (!m_host)
        return 0;
    // A host booted since has ended this process already; then this only lets the host go.
    m_host.reset();
    return objc::Runtime::liveObjects(m_generation);
}

void DeviceSession::writePreferences(const Preferences& preferences)
{
    std::string entries;
    for (auto& [key, value] : preferences)
        entries += "<key>" + escaped(key) + "</key><string>" + escaped(value) + "</string>";
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<plist version=\"1.0\"><dict>" + entries
        + "</dict></plist>";
    auto path = foundation::DeviceFileSystem::resolve(contracts::preferenceFilePath);
    if (!path)
        throw std::runtime_error("no device root to write the preference file on");
    std::filesystem::create_directories(path->parent_path());
    std::vector<std::uint8_t> bytes(text.begin(), text.end());
    if (!foundation::DeviceFileSystem::writeFile(contracts::preferenceFilePath, bytes, true))
        throw std::runtime_error("cannot write the preference file");
}
