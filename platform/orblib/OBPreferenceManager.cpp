#include "orblib/OBPreferenceManager.h"

#include "foundation/NSDictionary.h"
#include "foundation/NSString.h"

namespace orblib {
namespace {

std::shared_ptr<NSObject> initWithContentsOfFileImplementation(Class, SEL, std::string path)
{
    return OBPreferenceManager::initWithContentsOfFile(path);
}

} // namespace

OBPreferenceManager::OBPreferenceManager(std::shared_ptr<NSDictionary> values)
    : m_values(values ? std::move(values) : std::make_shared<NSDictionary>())
{ }

std::shared_ptr<OBPreferenceManager> OBPreferenceManager::initWithContentsOfFile(const std::string& path)
{
    return std::make_shared<OBPreferenceManager>(NSDictionary::dictionaryWithContentsOfFile(path));
}

std::shared_ptr<NSObject> OBPreferenceManager::valueForkey(
    const std::string& key, const std::string& fallback) const
{
    if (auto value = m_values->objectForKey(key))
        return value;
    return std::make_shared<NSString>(fallback);
}

void OBPreferenceManager::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(
        contracts::OBPreferenceManager::initWithContentsOfFile, &initWithContentsOfFileImplementation);
}

} // namespace orblib
