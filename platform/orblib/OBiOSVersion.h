#pragma once

#include "objc/NSObject.h"

namespace orblib {

// The device's model codes (DeviceModel), as class-side operations.
class OBiOSVersion : public NSObject {
    OBJC_CLASS(OBiOSVersion, NSObject)
public:
    static int deviceVersion();
    static int deviceSize();

    // Makes the class, with its class-side operations, findable by name.
    static void registerClass();
};

} // namespace orblib
