#include "uikit/UIDevice.h"

std::shared_ptr<UIDevice> UIDevice::currentDevice()
{
    static const auto device = std::make_shared<UIDevice>();
    return device;
}
