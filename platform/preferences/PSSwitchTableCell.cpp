#include "preferences/PSSwitchTableCell.h"

#include "foundation/NSNumber.h"
#include "foundation/ScalarValue.h"
#include "uikit/UISwitch.h"

void PSSwitchTableCell::initWithStyle(
    UITableViewCellStyle style, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier> specifier)
{
    super::initWithStyle(style, reuseIdentifier, std::move(specifier));
    auto control = UISwitch::create();
    setAccessoryView(control);
    setControl(control);
}

void PSSwitchTableCell::setValue(const std::shared_ptr<NSObject>& value)
{
    auto* scalar = foundation::ScalarValue::of(value);
    if (auto control = objc::cast<UISwitch>(this->control()))
        control->setOn(scalar && scalar->boolValue());
}

std::shared_ptr<NSObject> PSSwitchTableCell::controlValue() const
{
    auto control = objc::cast<UISwitch>(this->control());
    return NSNumber::numberWithBool(control && control->isOn());
}
