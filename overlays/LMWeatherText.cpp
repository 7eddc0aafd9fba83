#include "overlays/LMWeatherText.h"

#include "objc/Format.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"

std::shared_ptr<UILabel> LMWeatherLabel(
    const char* identifier, const std::shared_ptr<UIColor>& color, NSInteger alignment, CGRect frame)
{
    auto label = UILabel::create(frame);
    label->setAccessibilityIdentifier(identifier);
    label->setTextColor(color);
    label->setNumberOfLines(1);
    label->setTextAlignment(alignment);
    label->setAdjustsFontSizeToFitWidth(true);
    return label;
}

std::shared_ptr<NSAttributedString> LMHighLowText(int high, int low, CGFloat letterSize)
{
    std::string text = objc::format("H%d L%d", high, low);
    auto attributed = NSMutableAttributedString::create(text);
    auto letterFont = UIFont::fontWithName("HelveticaNeue-Light", letterSize);
    attributed->addAttribute(NSFontAttributeName, letterFont, NSMakeRange(0, 1));
    attributed->addAttribute(NSFontAttributeName, letterFont, NSMakeRange(text.find('L'), 1));
    return attributed;
}
