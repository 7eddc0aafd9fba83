#include "DemoPhone.h"

#include "DeviceProfile.h"
#include "Script.h"
#include "ScriptRunner.h"

#include <filesystem>
#include <sstream>

DemoPhone::DemoPhone(const std::string& script)
    : m_root(std::nullopt, false)
    , m_output(std::filesystem::temp_directory_path())
    , m_simulator(DeviceProfile::demo())
{
    run(script);
}

void DemoPhone::run(const std::string& script)
{
    std::ostringstream ignored;
    ScriptRunner(m_simulator, m_output, ignored, ignored).run(Script::parse(script, "bench"));
}
