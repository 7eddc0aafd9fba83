#pragma once

#include "foundation/NSObjCRuntime.h"

class UIPickerView;

// What a picker asks for its wheels.
class UIPickerViewDataSource {
public:
    virtual ~UIPickerViewDataSource() = default;

    virtual NSInteger numberOfComponentsInPickerView(UIPickerView*) = 0;
    // pickerView:numberOfRowsInComponent:
    virtual NSInteger numberOfRowsInComponent(UIPickerView*, NSInteger component) = 0;
};
