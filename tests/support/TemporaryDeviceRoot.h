#pragma once

// The tests' name for the device-root helper every device boot uses.
#include "session/TemporaryDeviceRoot.h"
