#pragma once

namespace orblib {

// The device's model as the support library reports it: a model code (4 iPhone 4S, 5 iPhone 5,
// 6 iPhone 5C, 7 iPhone 5S, 8 iPhone 6, 9 iPhone 6 Plus, 10 iPhone 6S, 11 iPhone 6S Plus,
// 14 iPad 2, 15 iPad mini, 16 iPad 3, 17 iPad 4, 18 iPad Air, 19 iPad mini 2, 20 iPad Air 2,
// 21 iPad mini 3, 22 iPad mini 4, 29 iPod touch 5, 30 iPod touch 6, 0 a model it does not know)
// and a screen size code (1 3.5-inch, 2 4-inch, 3 4.7-inch, 4 5.5-inch, 5 iPad). It belongs to
// the device: whoever boots it sets it, a restarted host sees the same, and any thread may read
// it. A device starts as an iPhone 6.
class DeviceModel {
public:
    static int versionCode();
    static int sizeCode();
    static void set(int versionCode, int sizeCode);
};

} // namespace orblib
