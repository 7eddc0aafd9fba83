#include "preferences/PSSliderTableCell.h"

#include "foundation/NSNumber.h"
#include "foundation/ScalarValue.h"
#include "preferences/PSSpecifier.h"
#include "uikit/UILabel.h"
#include "uikit/UISlider.h"

#include <algorithm>

void PSSliderTableCell::initWithStyle(
    UITableViewCellStyle style, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier> specifier)
{
    super::initWithStyle(style, reuseIdentifier, specifier);
    auto slider = UISlider::create();
    if (specifier) {
        slider->setMinimumValue(static_cast<float>(specifier->numberProperty("min", 0)));
        slider->setMaximumValue(static_cast<float>(specifier->numberProperty("max", 1)));
    }
    contentView()->addSubview(slider);
    setControl(slider);
}

void PSSliderTableCell::setValue(const std::shared_ptr<NSObject>& value)
{
    auto* scalar = foundation::ScalarValue::of(value);
    if (auto slider = objc::cast<UISlider>(control()))
        slider->setValue(scalar ? scalar->floatValue() : slider->minimumValue());
}

std::shared_ptr<NSObject> PSSliderTableCell::controlValue() const
{
    auto slider = objc::cast<UISlider>(control());
    return NSNumber::numberWithFloat(slider ? slider->value() : 0);
}

void PSSliderTableCell::layoutSubviews()
{
    super::layoutSubviews();
    if (auto& slider = control())
        slider->setFrame(
            CGRectMake(textMargin, 0, std::max(0.0, contentView()->width() - 2 * textMargin), height()));
    textLabel()->setHidden(true);
}
