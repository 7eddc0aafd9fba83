#include "orblib/OBiOSVersion.h"

#include "contracts/OBiOSVersion.h"
#include "orblib/DeviceModel.h"

namespace orblib {
namespace {

int deviceVersionImplementation(Class, SEL)
{
    return OBiOSVersion::deviceVersion();
}

int deviceSizeImplementation(Class, SEL)
{
    return OBiOSVersion::deviceSize();
}

} // namespace

int OBiOSVersion::deviceVersion()
{
    return DeviceModel::versionCode();
}

int OBiOSVersion::deviceSize()
{
    return DeviceModel::sizeCode();
}

void OBiOSVersion::registerClass()
{
    objc::Runtime::registerClass(staticClass());
    staticClass()->addClassMethod(contracts::OBiOSVersion::deviceVersion, &deviceVersionImplementation);
    staticClass()->addClassMethod(contracts::OBiOSVersion::deviceSize, &deviceSizeImplementation);
}

} // namespace orblib
