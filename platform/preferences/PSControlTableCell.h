#pragma once

#include "preferences/PSTableCell.h"

#include <functional>
#include <memory>

class UIControl;

// A row whose value is a control's (a switch, a slider). The page gives it the stored value and
// hears of every change the user makes.
class PSControlTableCell : public PSTableCell {
    OBJC_CLASS(PSControlTableCell, PSTableCell)
public:
    using ValueChanged = std::function<void(std::shared_ptr<NSObject>)>;

    const std::shared_ptr<UIControl>& control() const { return m_control; }
    virtual void setValue(const std::shared_ptr<NSObject>&) = 0;
    virtual std::shared_ptr<NSObject> controlValue() const = 0;
    void setValueChangedAction(ValueChanged action) { m_valueChanged = std::move(action); }

protected:
    void setControl(std::shared_ptr<UIControl>);

private:
    void controlChanged(UIControl*);

    std::shared_ptr<UIControl> m_control;
    ValueChanged m_valueChanged;
};
