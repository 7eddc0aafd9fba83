#pragma once

#include "foundation/NSObjCRuntime.h"

#include <memory>

class NSAttributedString;
class UIPickerView;

// What a picker asks of its delegate about the rows it shows.
class UIPickerViewDelegate {
public:
    virtual ~UIPickerViewDelegate() = default;

    // pickerView:attributedTitleForRow:forComponent: — nothing shows the platform's "?".
    virtual std::shared_ptr<NSAttributedString> attributedTitleForRow(UIPickerView*, NSInteger, NSInteger)
    {
        return nullptr;
    }
};
