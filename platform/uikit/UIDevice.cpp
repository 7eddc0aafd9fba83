#include "uikit/UIDevice.h"

std::shared_ptr<UIDevice> UIDevice::currentDevice()
{
    // One for the whole OS process, whichever simulated process asks first.
    static const auto device = [] {
        auto made = std::make_shared<UIDevice>();
        objc::keepAcrossProcesses(*made);
        return made;
    }();
    return device;
}
