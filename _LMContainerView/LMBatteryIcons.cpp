#include "_LMContainerView/LMBatteryIcons.h"

namespace {

std::string level(size_t index)
{
    return index == 0 ? "Charging" : std::to_string((index - 1) * 10);
}

// The draining icon for a whole percentage: 0 for 0, then one icon per started ten.
int drainingIconLevel(int percent)
{
    return percent == 0 ? 0 : (percent + 9) / 10;
}

} // namespace

void LMBatteryIcons::load(const std::function<std::shared_ptr<UIImage>(std::string_view resource)>& loader)
{
    for (size_t i = 0; i < count; ++i) {
        m_images[i] = loader("Battery/Battery" + level(i));
        m_lowPowerImages[i] = loader("Battery/LowBattery" + level(i));
    }
}

std::optional<std::shared_ptr<UIImage>> LMBatteryIcons::icon(bool lowPower, bool onAC, int percent) const
{
    auto& icons = lowPower ? m_lowPowerImages : m_images;
    if (onAC)
        return icons[0];
    if (percent >= 0 && percent <= 100)
        return icons[1 + drainingIconLevel(percent)];
    return std::nullopt;
}

std::string LMBatteryIcons::fieldName(bool lowPower, size_t index)
{
    return (lowPower ? "_lowPowerBattery" : "_battery") + level(index)
        + (index == 0 ? "Image" : "DrainingImage");
}
