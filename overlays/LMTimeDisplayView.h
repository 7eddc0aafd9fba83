#pragma once

#include "foundation/NSObjCRuntime.h"
#include "overlays/LMContainerOverlay.h"
#include "uikit/UIPickerViewDataSource.h"
#include "uikit/UIPickerViewDelegate.h"

#include <memory>
#include <string>
#include <vector>

class LMTimeDisplayDelegate;
class NSBundle;
class NSDate;
class NSTimer;
class UIImageView;
class UIPickerView;
class UITapGestureRecognizer;
class UIVisualEffectView;

// The alarm and timer overlay: a picker of hours and minutes, and buttons that start a timer or
// set an alarm. Once a second it feeds the next alarm and the timer's state to its delegate.
class LMTimeDisplayView : public LMContainerOverlay,
                          public UIPickerViewDataSource,
                          public UIPickerViewDelegate {
    OBJC_CLASS(LMTimeDisplayView, LMContainerOverlay)
public:
    static std::shared_ptr<LMTimeDisplayView> sharedInstance();
    // Makes the overlay (what `new` does); nothing when the base could not be made.
    static std::shared_ptr<LMTimeDisplayView> create();

    bool init() override;
    void updateFrame() override;

    // The one-second feed of the next alarm and the timer into the delegate.
    void updateTimer(NSTimer*);
    // "mm:ss" under an hour, else "hh:mm:ss" or "hh:mm" as the settings say.
    std::string timeUntilFiredStringRepresentation(double seconds);
    // Now plus the offsets, moved back by the 2001 epoch so that its seconds since 1970 are the
    // target's seconds since 2001, the clock store's scale.
    std::shared_ptr<NSDate> currentRelativeTimerDateWithHourOffset(int hours, int minutes, int seconds);

    NSInteger numberOfComponentsInPickerView(UIPickerView*) override;
    NSInteger numberOfRowsInComponent(UIPickerView*, NSInteger component) override;
    std::shared_ptr<NSAttributedString> attributedTitleForRow(
        UIPickerView*, NSInteger row, NSInteger component) override;

    void alarmButtonSingleTapRecognizer(UITapGestureRecognizer*);
    void timerButtonSingleTapRecognizer(UITapGestureRecognizer*);

    std::shared_ptr<LMTimeDisplayDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<LMTimeDisplayDelegate> delegate) { m_delegate = std::move(delegate); }
    const std::shared_ptr<UIPickerView>& pickerView() const { return m_pickerView; }
    void setPickerView(std::shared_ptr<UIPickerView> pickerView) { m_pickerView = std::move(pickerView); }

protected:
    bool resetsLockScreenDim() const override;

private:
    struct PickedTime {
        int hour;
        int minute;
    };
    PickedTime pickedTime();
    std::shared_ptr<UIImageView> makeButton(const std::shared_ptr<NSBundle>& bundle, const char* imageName,
        void (LMTimeDisplayView::*action)(UITapGestureRecognizer*));

    std::shared_ptr<UIVisualEffectView> m_blurEffectView;
    std::shared_ptr<UIImageView> m_clockIconImageView;
    std::vector<int> m_hours;
    std::vector<int> m_minutes;
    std::shared_ptr<UIView> m_pickerBackgroundView;
    std::shared_ptr<UIPickerView> m_pickerView;
    std::shared_ptr<UIImageView> m_timerButtonImageView;
    std::shared_ptr<UIImageView> m_alarmButtonImageView;
    std::weak_ptr<LMTimeDisplayDelegate> m_delegate;
};
