#pragma once

#include "objc/NSObject.h"
#include "settings/LMSetting.h"
#include "settings/LMSettingsTable.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class UIColor;
namespace contracts {
class OBPreferenceManager;
}

// The user's preferences, one typed getter per row of LMSettingsTable.h, each read afresh from
// the preference manager of the last reload.
//
// reload swaps the manager through an std::atomic<std::shared_ptr>: a getter takes its own
// strong reference first, so one running on a background queue while the main thread reloads
// keeps the manager it started with alive until it returns, and no lock is taken.
//
// Stored values the getter's conversion cannot take (an array, a dictionary or data where a
// switch, a number or a colour is wanted; anything but text for a colour) answer as if the key
// were absent: the fallback. So does every key when the support library's preference manager
// cannot be found. Colours are never nothing.
class LMSettings : public NSObject {
    OBJC_CLASS(LMSettings, NSObject)
public:
    LMSettings();

    static std::shared_ptr<LMSettings> create();
    static std::shared_ptr<LMSettings> sharedInstance();

    void reload();
    // Counts reloads: whatever was built from the settings of one generation may be kept while
    // it lasts.
    std::uint64_t generation() const { return m_generation.load(std::memory_order_acquire); }

    // The system white, whatever the file holds; no key is read.
    std::shared_ptr<UIColor> themeColor() const;

#define LM_SWITCH_GETTER(name, fallback) bool name() const;
#define LM_NUMBER_GETTER(name, fallback) int name() const;
#define LM_DURATION_GETTER(name, fallback) double name() const;
#define LM_COLOUR_GETTER(name, fallback) std::shared_ptr<UIColor> name() const;
#define LM_OBJECT_GETTER(name, fallback) std::shared_ptr<NSObject> name() const;
    LM_SETTINGS_TABLE(LM_SWITCH_GETTER, LM_NUMBER_GETTER, LM_NUMBER_GETTER, LM_DURATION_GETTER,
        LM_COLOUR_GETTER, LM_OBJECT_GETTER)
#undef LM_SWITCH_GETTER
#undef LM_NUMBER_GETTER
#undef LM_DURATION_GETTER
#undef LM_COLOUR_GETTER
#undef LM_OBJECT_GETTER

    // Every row of the table, in its order: what the preference pages must offer.
    static const std::vector<LMSetting>& keys();

private:
    std::shared_ptr<NSObject> stored(const LMSetting&) const;
    std::shared_ptr<NSObject> value(const LMSetting&) const;
    bool boolValue(const LMSetting&) const;
    int intValue(const LMSetting&) const;
    int maximumCount(const LMSetting&) const;
    double doubleValue(const LMSetting&) const;
    std::shared_ptr<UIColor> colorValue(const LMSetting&) const;

    std::atomic<std::shared_ptr<contracts::OBPreferenceManager>> m_prefs;
    std::atomic<std::uint64_t> m_generation { 0 };
    // The panel's timers read the same switches many times a second: each switch's answer is
    // kept with the generation it was read in, as (generation << 2) | known | value.
    std::unique_ptr<std::atomic<std::uint64_t>[]> m_switches;
};
