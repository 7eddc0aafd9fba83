#pragma once

// The running system's version, compared as numbers ("9.10" is above "9.2").
class LMSystemVersion {
public:
    static bool isAtLeast(const char* version);
    // 9.0 up to but not including 10.0: the systems with the Today and search pages.
    static bool isiOS9() { return isAtLeast("9.0") && !isAtLeast("10.0"); }
};
