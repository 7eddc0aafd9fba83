#pragma once

#include <string>

// Someone credited by the bundle, with a web site and a profile on the social network. The
// names, addresses and handles are made up, and say so.
struct LumoraCredit {
    std::string name;
    std::string websiteName;
    std::string websiteAddress;
    // Without the "@".
    std::string handle;
};

class LumoraSocialProfile {
public:
    static const LumoraCredit& maker();
    static const LumoraCredit& secondDeveloper();

    // Opens the profile in the social network's app, else in another client app, else (without
    // asking whether it can) on its web page.
    static void open(const LumoraCredit&);
    static void openWebsite(const LumoraCredit&);
};
