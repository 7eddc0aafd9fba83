#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

class UIImage;

// The battery indicator's pictures: the charging icon, then draining 0, 10, ... 100; the same
// again for low-power mode.
class LMBatteryIcons {
public:
    static constexpr size_t count = 12;

    // Loads each icon by its resource name ("Battery/Battery40", "Battery/LowBatteryCharging").
    void load(const std::function<std::shared_ptr<UIImage>(std::string_view resource)>& loader);
    // The icon to show: the charging one on the charger, else one per started ten percent;
    // nothing (keep the current icon) for a percentage outside 0 to 100.
    std::optional<std::shared_ptr<UIImage>> icon(bool lowPower, bool onAC, int percent) const;

    // The instance variable the panel exposes an icon under, and the icon's slot.
    static std::string fieldName(bool lowPower, size_t index);
    std::shared_ptr<UIImage>& slot(bool lowPower, size_t index)
    {
        return (lowPower ? m_lowPowerImages : m_images)[index];
    }

private:
    std::shared_ptr<UIImage> m_images[count];
    std::shared_ptr<UIImage> m_lowPowerImages[count];
};
