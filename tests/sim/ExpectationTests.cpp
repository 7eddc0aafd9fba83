// Not yet tested here: visible and isActive of views on a screen, which need a running host
// (scripts/ cover them).
#include "Expectation.h"
#include "InputError.h"
#include "Script.h"

#include "uikit/Bitmap.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

#include <gtest/gtest.h>

namespace {

Expectation expectation(const std::string& text)
{
    return *Script::parseCommand("expect " + text, "t").expectation;
}

} // namespace

TEST(Expectation, ComparesALabelsPropertiesAsScriptsWriteThem)
{
    auto label = UILabel::create(CGRectMake(20, 5.004, 140, 80));
    label->setText("9:05\nMonday");
    label->setTextColor(UIColor::colorWithRed(1, 0, 0, 1));
    label->setAlpha(0.5);

    const std::pair<const char*, bool> cases[] = {
        { "x.text == \"9:05\\nMonday\"", true },
        { "x.text == \"9:05 Monday\"", false },
        { "x.text contains \"9:05\"", true },
        { "x.text !contains \"10:\"", true },
        { "x.text != \"9:05\"", true },
        { "x.frame == 20,5,140,80", true },
        { "x.frame == 20, 5, 140, 80", true },
        { "x.frame == 20,5.02,140,80", false },
        { "x.screenFrame == 20,5,140,80", true },
        { "x.textColor == #FF0000", true },
        { "x.textColor == #ff0000ff", true },
        { "x.textColor == #ff000080", false },
        { "x.backgroundColor == none", true },
        { "x.hidden == false", true },
        { "x.alpha == 0.505", true },
        { "x.alpha == 0.52", false },
        { "x.image == none", true },
    };
    for (auto& [text, met] : cases)
        EXPECT_EQ(!expectation(text).check(label.get()).has_value(), met) << text;
}

TEST(Expectation, TellsTheValueSeenWhenNotMet)
{
    auto label = UILabel::create(CGRectMake(0, 0, 58.75, 16.25));
    label->setText("63%");
    EXPECT_EQ(expectation("x.text == \"64%\"").check(label.get()), "\"63%\"");
    EXPECT_EQ(expectation("x.frame == 0,0,1,1").check(label.get()), "0,0,58.75,16.25");
    EXPECT_EQ(expectation("x.textColor == none").check(label.get()), "#000000ff");
    EXPECT_EQ(expectation("x.hidden == true").check(label.get()), "false");
}

TEST(Expectation, ComparesImagesByResourceName)
{
    auto imageView = UIImageView::create(CGRectMake(0, 0, 25, 12.5));
    imageView->setImage(UIImage::imageWithBitmap(Bitmap(2, 2), 2, "Battery/Battery70"));
    EXPECT_FALSE(expectation("x.image == \"Battery/Battery70\"").check(imageView.get()));
    EXPECT_FALSE(expectation("x.image contains \"Battery\"").check(imageView.get()));
    EXPECT_EQ(expectation("x.image == none").check(imageView.get()), "\"Battery/Battery70\"");
    EXPECT_EQ(expectation("x.text == \"\"").check(imageView.get()), "none");
}

TEST(Expectation, AViewThatIsNotThereIsNeitherVisibleNorActive)
{
    EXPECT_FALSE(expectation("_panel.visible == false").check(nullptr));
    EXPECT_EQ(expectation("_panel.visible == true").check(nullptr), "false");
    EXPECT_FALSE(expectation("LMWeatherDisplayView.isActive == false").check(nullptr));
}
