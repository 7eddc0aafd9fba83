#include "prefs/LumoraSocialProfile.h"

#include "uikit/UIApplication.h"

const LumoraCredit& LumoraSocialProfile::maker()
{
    static const LumoraCredit credit { "Orbelin Labs (fictional)", "orbelin.example",
        "https://orbelin.example", "orbelin_fictional" };
    return credit;
}

const LumoraCredit& LumoraSocialProfile::secondDeveloper()
{
    static const LumoraCredit credit { "Wren Halloway (fictional)", "wren-halloway.example",
        "https://wren-halloway.example", "wren_fictional" };
    return credit;
}

void LumoraSocialProfile::open(const LumoraCredit& credit)
{
    auto application = UIApplication::sharedApplication();
    for (auto& address :
        { "twitter://user?screen_name=" + credit.handle, "chirpy://user_profile/" + credit.handle }) {
        if (application->canOpenURL(address)) {
            application->openURL(address);
            return;
        }
    }
    application->openURL("https://twitter.example/" + credit.handle);
}

void LumoraSocialProfile::openWebsite(const LumoraCredit& credit)
{
    UIApplication::sharedApplication()->openURL(credit.websiteAddress);
}
