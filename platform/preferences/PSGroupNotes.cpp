#include "preferences/PSGroupNotes.h"

#include "preferences/PSSpecifier.h"
#include "uikit/UIColor.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UITableViewCell.h"

#include <algorithm>
#include <cctype>
#include <cmath>

namespace preferences {
namespace {

constexpr CGFloat sectionGap = 18;
constexpr CGFloat titledHeaderHeight = 44;
constexpr CGFloat noteFontSize = 13;
// Characters of a 13-point note that fit on a point of a line, roughly.
constexpr double noteCharactersPerPoint = 0.155;

std::string footerText(const PSSpecifier* group)
{
    return group ? group->textProperty("footerText") : std::string();
}

CGFloat footerTextHeight(const std::string& text, CGFloat width)
{
    auto perLine = std::max(1.0, (width - 2 * UITableViewCell::textMargin) * noteCharactersPerPoint);
    auto lines = std::ceil(static_cast<double>(text.size()) / perLine);
    return lines * 16 + 4;
}

std::shared_ptr<UILabel> noteLabel(const std::string& text)
{
    auto label = UILabel::create();
    label->setText(text);
    label->setFont(UIFont::systemFontOfSize(noteFontSize));
    label->setTextColor(UIColor::colorWithRed(109 / 255.0, 109 / 255.0, 114 / 255.0, 1));
    label->setNumberOfLines(0);
    label->setAutoresizingMask(UIViewAutoresizingFlexibleWidth);
    return label;
}

} // namespace

CGFloat PSGroupNotes::headerHeight(const PSSpecifier* group)
{
    return group && !group->name().empty() ? titledHeaderHeight : sectionGap;
}

CGFloat PSGroupNotes::footerHeight(const PSSpecifier* group, CGFloat width)
{
    auto text = footerText(group);
    return text.empty() ? sectionGap : footerTextHeight(text, width) + sectionGap;
}

std::shared_ptr<UIView> PSGroupNotes::header(const PSSpecifier* group, CGFloat width)
{
    if (!group || group->name().empty())
        return nullptr;
    auto header = UIView::create(CGRectMake(0, 0, width, titledHeaderHeight));
    auto text = group->name();
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    auto label = noteLabel(text);
    label->setNumberOfLines(1);
    label->setFrame(CGRectMake(
        UITableViewCell::textMargin, titledHeaderHeight - 22, width - 2 * UITableViewCell::textMargin, 16));
    header->addSubview(label);
    return header;
}

std::shared_ptr<UIView> PSGroupNotes::footer(const PSSpecifier* group, CGFloat width)
{
    auto text = footerText(group);
    if (text.empty())
        return nullptr;
    auto height = footerTextHeight(text, width);
    auto footer = UIView::create(CGRectMake(0, 0, width, height + sectionGap));
    auto label = noteLabel(text);
    label->setFrame(
        CGRectMake(UITableViewCell::textMargin, 6, width - 2 * UITableViewCell::textMargin, height));
    footer->addSubview(label);
    return footer;
}

} // namespace preferences
