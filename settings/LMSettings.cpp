#include "settings/LMSettings.h"

#include "contracts/ClassMessages.h"
#include "contracts/OBColorFactory.h"
#include "contracts/OBPreferenceManager.h"
#include "contracts/PreferenceFilePath.h"
#include "dispatch/SharedInstance.h"
#include "foundation/NSString.h"
#include "foundation/ScalarValue.h"
#include "objc/ClassRef.h"
#include "uikit/UIColor.h"

#include <algorithm>
#include <exception>
#include <variant>

namespace {

enum class Row : std::size_t {
#define LM_ROW(name, fallback) name,
    LM_SETTINGS_TABLE(LM_ROW, LM_ROW, LM_ROW, LM_ROW, LM_ROW, LM_ROW)
#undef LM_ROW
};

const LMSetting& row(Row row)
{
    return LMSettings::keys()[static_cast<std::size_t>(row)];
}

} // namespace

LMSettings::LMSettings()
    : m_switches(std::make_unique<std::atomic<std::uint64_t>[]>(keys().size()))
{
    reload();
}

std::shared_ptr<LMSettings> LMSettings::create()
{
    return std::make_shared<LMSettings>();
}

std::shared_ptr<LMSettings> LMSettings::sharedInstance()
{
    return dispatch::sharedInstance<LMSettings>();
}

void LMSettings::reload()
{
    static objc::ClassRef managerClass { "OBPreferenceManager" };
    m_prefs.store(contracts::make<contracts::OBPreferenceManager>(managerClass,
        contracts::OBPreferenceManager::initWithContentsOfFile, std::string(contracts::preferenceFilePath)));
    m_generation.fetch_add(1, std::memory_order_acq_rel);
}

const std::vector<LMSetting>& LMSettings::keys()
{
    static const std::vector<LMSetting> rows {
#define LM_SWITCH_ROW(name, fallback) LMSetting(#name, bool { fallback }),
#define LM_NUMBER_ROW(name, fallback) LMSetting(#name, int { fallback }),
#define LM_DURATION_ROW(name, fallback) LMSetting(#name, double { fallback }),
#define LM_COLOUR_ROW(name, fallback) LMSetting(#name, LMSettingColour { fallback }),
#define LM_OBJECT_ROW(name, fallback) LMSetting(#name, std::string_view { fallback }),
        LM_SETTINGS_TABLE(
            LM_SWITCH_ROW, LM_NUMBER_ROW, LM_NUMBER_ROW, LM_DURATION_ROW, LM_COLOUR_ROW, LM_OBJECT_ROW)
#undef LM_SWITCH_ROW
#undef LM_NUMBER_ROW
#undef LM_DURATION_ROW
#undef LM_COLOUR_ROW
#undef LM_OBJECT_ROW
    };
    return rows;
}

// The manager's answer: the stored object, or for an absent key the fallback's text, which
// converts back to the typed fallback. Nothing without a manager; that, or an object the
// conversion cannot take, answers the typed fallback without converting anything.
std::shared_ptr<NSObject> LMSettings::stored(const LMSetting& setting) const
{
    auto prefs = m_prefs.load();
    return prefs ? prefs->valueForkey(std::string(setting.key()), setting.fallbackText()) : nullptr;
}

std::shared_ptr<NSObject> LMSettings::value(const LMSetting& setting) const
{
    auto object = stored(setting);
    return object ? object : std::make_shared<NSString>(setting.fallbackText());
}

bool LMSettings::boolValue(const LMSetting& setting) const
{
    // The generation is read before the manager: a reload stores its manager first, so an answer
    // is never kept under a generation newer than the manager it came from.
    auto generation = m_generation.load(std::memory_order_acquire);
    auto& kept = m_switches[static_cast<std::size_t>(&setting - keys().data())];
    auto known = kept.load(std::memory_order_relaxed);
    if (known >> 2 == generation && (known & 2))
        return known & 1;
    // The object, not just its scalar view, must outlive the read: a reload on another thread may
    // drop the manager that held it.
    auto object = stored(setting);
    auto* scalar = foundation::ScalarValue::of(object);
    bool value = scalar ? scalar->boolValue() : std::get<bool>(setting.fallback());
    kept.store(generation << 2 | 2 | std::uint64_t { value }, std::memory_order_relaxed);
    return value;
}

int LMSettings::intValue(const LMSetting& setting) const
{
    auto object = stored(setting);
    auto* scalar = foundation::ScalarValue::of(object);
    return scalar ? scalar->intValue() : std::get<int>(setting.fallback());
}

int LMSettings::maximumCount(const LMSetting& setting) const
{
    try {
        return std::max(0, intValue(setting));
    } catch (const std::exception&) {
        return std::get<int>(setting.fallback());
    }
}

double LMSettings::doubleValue(const LMSetting& setting) const
{
    auto object = stored(setting);
    auto* scalar = foundation::ScalarValue::of(object);
    return scalar ? scalar->floatValue() : static_cast<float>(std::get<double>(setting.fallback()));
}

std::shared_ptr<UIColor> LMSettings::colorValue(const LMSetting& setting) const
{
    static objc::ClassRef factoryClass { "OBColorFactory" };
    if (auto text = objc::cast<NSString>(stored(setting))) {
        if (auto color
            = contracts::OBColorFactory::colorFromHexString.toClass(factoryClass, text->UTF8String()))
            return color;
    }
    auto rgb = std::get<LMSettingColour>(setting.fallback()).rgb;
    auto channel = [rgb](int shift) { return ((rgb >> shift) & 0xff) / 255.0; };
    return UIColor::colorWithRed(channel(16), channel(8), channel(0), 1);
}

std::shared_ptr<UIColor> LMSettings::themeColor() const
{
    return UIColor::whiteColor();
}

#define LM_SWITCH_GETTER(name, fallback)                                                                     \
    bool LMSettings::name() const                                                                            \
    {                                                                                                        \
        return boolValue(row(Row::name));                                                                    \
    }
#define LM_NUMBER_GETTER(name, fallback)                                                                     \
    int LMSettings::name() const                                                                             \
    {                                                                                                        \
        return intValue(row(Row::name));                                                                     \
    }
#define LM_COUNT_GETTER(name, fallback)                                                                      \
    int LMSettings::name() const                                                                             \
    {                                                                                                        \
        return maximumCount(row(Row::name));                                                                 \
    }
#define LM_DURATION_GETTER(name, fallback)                                                                   \
    double LMSettings::name() const                                                                          \
    {                                                                                                        \
        return doubleValue(row(Row::name));                                                                  \
    }
#define LM_COLOUR_GETTER(name, fallback)                                                                     \
    std::shared_ptr<UIColor> LMSettings::name() const                                                        \
    {                                                                                                        \
        return colorValue(row(Row::name));                                                                   \
    }
#define LM_OBJECT_GETTER(name, fallback)                                                                     \
    std::shared_ptr<NSObject> LMSettings::name() const                                                       \
    {                                                                                                        \
        return value(row(Row::name));                                                                        \
    }
LM_SETTINGS_TABLE(LM_SWITCH_GETTER, LM_NUMBER_GETTER, LM_COUNT_GETTER, LM_DURATION_GETTER, LM_COLOUR_GETTER,
    LM_OBJECT_GETTER)
