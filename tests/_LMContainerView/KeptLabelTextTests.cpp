#include "base/LMKeptLabelText.h"

#include "uikit/NSAttributedString.h"
#include "objc/Runtime.h"
#include "uikit/UIColor.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

TEST(LMKeptLabelText, MakesTheTextAgainOnlyForNewPartsOrWhenTheLabelWasChangedSince)
{
    objc::Runtime::beginProcess();
    auto label = UILabel::create();
    LMKeptLabelText<std::string> kept;
    int made = 0;
    auto set = [&](const std::string& words) {
        kept.set(*label, words, [&] {
            ++made;
            return NSAttributedString::create(words);
        });
    };
    set("12:00");
    set("12:00");
    EXPECT_EQ(made, 1);
    set("12:01");
    EXPECT_EQ(made, 2);
    EXPECT_EQ(label->attributedText()->string(), "12:01");

    // Anything else that touches the label's text (a colour, plain text) is undone by the next set.
    label->setTextColor(UIColor::redColor());
    set("12:01");
    EXPECT_EQ(made, 3);
    label->setText("other");
    set("12:01");
    EXPECT_EQ(made, 4);
    EXPECT_EQ(label->attributedText()->string(), "12:01");
}
