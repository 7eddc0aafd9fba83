#pragma once

#include <memory>

class LMSettings;
class LMView;

namespace lumora {

// What the main file's replacements share: where the user put the panel, tested as `enabled`
// and the location their host needs, and the steps they take on the panel and SpringBoard.
class PanelHost {
public:
    // The shared settings, read again from the preference file.
    static std::shared_ptr<LMSettings> reloadedSettings();
    static bool isLockScreen(const LMSettings&);
    // The same, with the shared settings.
    static bool isLockScreen();
    static bool isTodayPage(const LMSettings&);
    static bool isSearchPage(const LMSettings&);
    // The edge the search page must be revealed from to show the panel: 8 for location 3, 1 for 4.
    static int searchEdge(const LMSettings&);

    // The panel's texts and table, then its app launcher, brought up to date.
    static void update(LMView&);
    // SpringBoard's status bar faded to the given alpha.
    static void setStatusBarAlpha(double alpha);
};

} // namespace lumora
