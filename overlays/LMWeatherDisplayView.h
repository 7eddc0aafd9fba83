#pragma once

#include "foundation/NSObjCRuntime.h"
#include "overlays/LMContainerOverlay.h"

#include <memory>

class UIColor;
class UILabel;
class UIVisualEffectView;

// The weather overlay: the current conditions, an hourly strip and a row per coming day, fetched
// afresh each time it opens.
class LMWeatherDisplayView : public LMContainerOverlay {
    OBJC_CLASS(LMWeatherDisplayView, LMContainerOverlay)
public:
    static std::shared_ptr<LMWeatherDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMWeatherDisplayView> create();

    bool init() override;
    void updateFrame() override;
    // Empties the rules, strip and rows and builds them again from a new forecast.
    void updateUsingCelciusScale(bool celsius);

protected:
    bool resetsLockScreenDim() const override;

    void refreshContent() override;

private:
    std::shared_ptr<UILabel> makeLabel(const char* identifier, NSInteger alignment);
    std::shared_ptr<UIView> addRule(CGFloat y, CGFloat width);

    std::shared_ptr<UIColor> m_themeColor;
    std::shared_ptr<UIVisualEffectView> m_blurEffectView;
    std::shared_ptr<UIView> m_containerView;
    std::shared_ptr<UILabel> m_locationLabel;
    std::shared_ptr<UILabel> m_conditionNameLabel;
    std::shared_ptr<UILabel> m_todayTemperatureLabel;
    std::shared_ptr<UILabel> m_todayLabel;
    std::shared_ptr<UILabel> m_todayHighLowLabel;
};
