#include "preferences/PSControlTableCell.h"

#include "uikit/UIControl.h"

void PSControlTableCell::setControl(std::shared_ptr<UIControl> control)
{
    m_control = std::move(control);
    std::weak_ptr<PSControlTableCell> weakSelf
        = std::static_pointer_cast<PSControlTableCell>(shared_from_this());
    m_control->addTarget(
        [weakSelf](UIControl* sender) {
            if (auto self = weakSelf.lock())
                self->controlChanged(sender);
        },
        UIControlEventValueChanged);
}

void PSControlTableCell::controlChanged(UIControl*)
{
    if (m_valueChanged)
        m_valueChanged(controlValue());
}
