#pragma once

#include "dispatch/SharedInstance.h"
#include "objc/NSObject.h"

#include <string_view>
#include <vector>

namespace springboard {

class SBApplication;

// The applications installed on the device, in the order the device lists them.
class SBApplicationController : public NSObject {
    OBJC_CLASS(SBApplicationController, NSObject)
public:
    static std::shared_ptr<SBApplicationController> create();
    static std::shared_ptr<SBApplicationController> sharedInstance()
    {
        return dispatch::sharedInstance<SBApplicationController>();
    }
    static void registerMethods(Class);

    const std::vector<std::shared_ptr<SBApplication>>& allApplications() const { return m_applications; }
    // Nothing when no such application is installed.
    std::shared_ptr<SBApplication> applicationWithBundleIdentifier(std::string_view) const;

private:
    std::vector<std::shared_ptr<SBApplication>> m_applications;
};

} // namespace springboard
