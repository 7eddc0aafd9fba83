#pragma once

#include "contracts/OBPreferenceManager.h"
#include "objc/NSObject.h"

#include <memory>
#include <string>

class NSDictionary;

namespace orblib {

// One preference file, parsed once when made. A file that is missing, unreadable, malformed,
// too large or too deep to read safely, or whose root is not a dictionary holds no keys, so
// every key answers its fallback.
class OBPreferenceManager : public NSObject, public contracts::OBPreferenceManager {
    OBJC_CLASS(OBPreferenceManager, NSObject)
public:
    explicit OBPreferenceManager(std::shared_ptr<NSDictionary> values);

    static std::shared_ptr<OBPreferenceManager> initWithContentsOfFile(const std::string& path);

    std::shared_ptr<NSObject> valueForkey(const std::string& key, const std::string& fallback) const override;

    // Makes the class, with its class-side initWithContentsOfFile:, findable by name.
    static void registerClass();

private:
    std::shared_ptr<NSDictionary> m_values;
};

} // namespace orblib
