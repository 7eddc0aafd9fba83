#include "uikit/CAShapeLayer.h"
#include "uikit/NSMutableAttributedString.h"
#include "uikit/NSTextAttachment.h"
#include "uikit/UIBezierPath.h"
#include "uikit/UIBlurEffect.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"
#include "uikit/UIVisualEffectView.h"
#include "uikit/ViewDump.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace {

std::shared_ptr<UIView> sampleTree()
{
    auto root = UIView::create(CGRectMake(320, 0, 320, 100));
    root->setAccessibilityIdentifier("panel");
    root->setBackgroundColor(UIColor::clearColor());

    auto blur = UIVisualEffectView::initWithEffect(UIBlurEffect::effectWithStyle(UIBlurEffectStyleDark));
    blur->setFrame(root->bounds());
    blur->setAutoresizingMask(18);
    root->addSubview(blur);

    auto header = UIView::create(CGRectMake(10, 50, 100, 40));
    header->setAlpha(0.25);
    header->setTag(3);
    header->setBackgroundColor(UIColor::blackColor());
    header->layer().setCornerRadius(5);
    header->layer().setMasksToBounds(true);
    auto mask = CAShapeLayer::layer();
    mask->setPath(UIBezierPath::bezierPathWithRoundedRect(
        header->bounds(), UIRectCornerTopLeft | UIRectCornerTopRight, CGSizeMake(5, 5))
                      ->CGPath());
    header->layer().setMask(mask);
    root->addSubview(header);

    auto label = UILabel::create(CGRectMake(0.5, 2, 140, 20.125));
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setAdjustsFontSizeToFitWidth(true);
    auto icon = UIImage::imageWithBitmap(Bitmap(30, 30), 2, "Alarm");
    auto text = NSMutableAttributedString::create();
    text->appendAttributedString(*NSAttributedString::attributedStringWithAttachment(
        NSTextAttachment::create(icon, CGRectMake(0, -2, 15, 15))));
    text->appendAttributedString(NSAttributedString(" 06:45 AM"));
    text->addAttribute(
        NSFontAttributeName, UIFont::fontWithName("HelveticaNeue-Light", 15), NSMakeRange(0, text->length()));
    label->setAttributedText(text);
    label->setTextColor(UIColor::whiteColor());
    header->addSubview(label);

    auto imageView = UIImageView::initWithImage(icon);
    imageView->setHidden(true);
    root->addSubview(imageView);
    return root;
}

} // namespace

TEST(ViewDump, DescribesATreeAsStableJSON)
{
    // Text stays UTF-8 in the dump; the attachment character is spelled out here for legibility.
    std::string expected = R"({
  "class": "UIView",
  "id": "panel",
  "frame": [320, 0, 320, 100],
  "screenFrame": [320, 0, 320, 100],
  "hidden": false,
  "alpha": 1,
  "interaction": true,
  "backgroundColor": "#00000000",
  "subviews": [
    {
      "class": "UIVisualEffectView",
      "frame": [0, 0, 320, 100],
      "screenFrame": [320, 0, 320, 100],
      "hidden": false,
      "alpha": 1,
      "interaction": true,
      "effect": {
        "class": "UIBlurEffect",
        "style": 2
      },
      "subviews": []
    },
    {
      "class": "UIView",
      "tag": 3,
      "frame": [10, 50, 100, 40],
      "screenFrame": [330, 50, 100, 40],
      "hidden": false,
      "alpha": 0.25,
      "interaction": true,
      "backgroundColor": "#000000ff",
      "layer": {
        "cornerRadius": 5,
        "masksToBounds": true,
        "mask": {
          "frame": [0, 0, 0, 0],
          "path": {
            "rect": [0, 0, 100, 40],
            "corners": ["topLeft", "topRight"],
            "cornerRadii": [5, 5]
          },
          "fillColor": "#000000ff"
        }
      },
      "subviews": [
        {
          "class": "UILabel",
          "frame": [0.5, 2, 140, 20.125],
          "screenFrame": [330.5, 52, 140, 20.125],
          "hidden": false,
          "alpha": 1,
          "interaction": false,
          "text": "\ufffc 06:45 AM",
          "font": {
            "name": ".SystemUIFont",
            "size": 17
          },
          "textColor": "#ffffffff",
          "textAlignment": 1,
          "numberOfLines": 1,
          "adjustsFontSizeToFitWidth": true,
          "fontScale": 1,
          "runs": [
            {
              "attachment": {
                "image": {
                  "name": "Alarm",
                  "size": [15, 15],
                  "scale": 2
                },
                "bounds": [0, -2, 15, 15]
              },
              "font": {
                "name": "HelveticaNeue-Light",
                "size": 15
              },
              "color": "#ffffffff"
            },
            {
              "text": " 06:45 AM",
              "font": {
                "name": "HelveticaNeue-Light",
                "size": 15
              },
              "color": "#ffffffff"
            }
          ],
          "subviews": []
        }
      ]
    },
    {
      "class": "UIImageView",
      "frame": [0, 0, 15, 15],
      "screenFrame": [320, 0, 15, 15],
      "hidden": true,
      "alpha": 1,
      "interaction": false,
      "image": {
        "name": "Alarm",
        "size": [15, 15],
        "scale": 2
      },
      "subviews": []
    }
  ]
}
)";
    expected.replace(expected.find("\\ufffc"), 6, NSAttributedString::attachmentCharacter);
    EXPECT_EQ(ViewDump::text(*sampleTree()), expected);
}

TEST(ViewDump, DescribesATreeInShortIndentedText)
{
    EXPECT_EQ(sampleTree()->recursiveDescription(),
        "<UIView; frame = (320 0; 320 100); id = 'panel'>\n"
        "   | <UIVisualEffectView; frame = (0 0; 320 100)>\n"
        "   | <UIView; frame = (10 50; 100 40); tag = 3; alpha = 0.25>\n"
        "   |    | <UILabel; frame = (0.5 2; 140 20.125); userInteractionEnabled = NO; text = '\xEF\xBF\xBC "
        "06:45 AM'>\n"
        "   | <UIImageView; frame = (0 0; 15 15); hidden = YES; userInteractionEnabled = NO; image = "
        "'Alarm'>\n");
}

TEST(ViewDump, WritesNumbersRoundedAndColoursAsHex)
{
    struct Case {
        CGFloat value;
        const char* text;
    };
    const Case cases[] = { { 20, "20" }, { -2.5, "-2.5" }, { 13.2, "13.2" }, { 1.1f, "1.1" },
        { 0.1 + 0.2, "0.3" }, { 1.0 / 3, "0.3333" }, { 1e300 * 1e10, "null" } };
    for (auto& c : cases)
        EXPECT_EQ(ViewDump::number(c.value).dump(), c.text) << c.value;
    EXPECT_EQ(ViewDump::color(UIColor::colorWithRed(1, 0.5, 0, 0.25)), "#ff800040");
    EXPECT_TRUE(ViewDump::color(nullptr).is_null());
}
