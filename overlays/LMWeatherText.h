#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/CGGeometry.h"

#include <memory>

class NSAttributedString;
class UIColor;
class UILabel;

// The weather overlay's labels: one line in the theme colour, shrinking to fit the width.
std::shared_ptr<UILabel> LMWeatherLabel(
    const char* identifier, const std::shared_ptr<UIColor>& color, NSInteger alignment, CGRect frame = {});

// "H<high> L<low>", the two letters in a smaller light type; the numbers keep the label's font.
std::shared_ptr<NSAttributedString> LMHighLowText(int high, int low, CGFloat letterSize);
