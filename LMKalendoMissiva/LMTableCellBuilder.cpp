#include "LMKalendoMissiva/LMTableCellBuilder.h"

#include "LMKalendoMissiva/LMNotificationSectionDismissButton.h"
#include "LMKalendoMissiva/LMScheduleAppItem.h"
#include "LMKalendoMissiva/LMTableViewRowCell.h"
#include "LMKalendoMissiva/LMTableViewSectionHeaderCell.h"
#include "LMKalendoMissiva/LMTimeStamp.h"
#include "base/LMSystemVersion.h"
#include "contracts/OBAppItem.h"
#include "contracts/OBNotificationSection.h"
#include "contracts/UIImageOBAdditions.h"
#include "objc/Format.h"
#include "settings/LMSettings.h"
#include "uikit/CAShapeLayer.h"
#include "uikit/UIBezierPath.h"
#include "uikit/UIFont.h"
#include "uikit/UIImage.h"
#include "uikit/UIImageView.h"
#include "uikit/UILabel.h"

namespace {

constexpr CGFloat h = 40;
constexpr unsigned long topCorners = UIRectCornerTopLeft | UIRectCornerTopRight;
constexpr unsigned long bottomCorners = UIRectCornerBottomLeft | UIRectCornerBottomRight;

std::shared_ptr<UILabel> makeLabel(const char* field, CGRect frame, std::string text, CGFloat fontSize,
    NSInteger lines, const std::shared_ptr<UIColor>& color)
{
    auto label = UILabel::create(frame);
    label->setAccessibilityIdentifier(field);
    label->setText(std::move(text));
    label->setTextColor(color);
    label->setFont(UIFont::fontWithName("HelveticaNeue-Light", fontSize));
    label->setNumberOfLines(lines);
    label->setUserInteractionEnabled(false);
    return label;
}

std::shared_ptr<UILabel> timeLabel(CGFloat width, CGFloat y, const std::shared_ptr<NSDate>& date,
    const LMSettings& settings, std::shared_ptr<UIColor> color, double alpha)
{
    auto label = makeLabel("_timeLabel", CGRectMake(width - 0.15 * width - 10, y, 0.15 * width, h),
        LMTimeStamp::text(date, settings.militaryTime()), 12, 1, color);
    label->setTextAlignment(NSTextAlignmentLeft);
    label->setAlpha(alpha);
    label->setAdjustsFontSizeToFitWidth(true);
    return label;
}

void outline(UIView& cell, unsigned long corners)
{
    auto mask = CAShapeLayer::layer();
    mask->setPath(
        UIBezierPath::bezierPathWithRoundedRect(cell.bounds(), corners, CGSizeMake(5, 5))->CGPath());
    cell.layer().setMask(mask);
    cell.setClipsToBounds(true);
}

template <class Cell> void prepare(Cell& cell, CGRect frame)
{
    cell.setFrame(frame);
    cell.setBackgroundColor(UIColor::clearColor());
}

void addIcon(UIView& cell, std::shared_ptr<UIImageView> icon, CGFloat side)
{
    if (!icon)
        return;
    icon->setAccessibilityIdentifier("_iconView");
    icon->setFrame(CGRectMake(5, 5, side, side));
    icon->setUserInteractionEnabled(false);
    cell.addSubview(icon);
}

} // namespace

LMTableCellBuilder::LMTableCellBuilder(LMTableCellSource& source)
    : m_source(source)
    , m_settings(*source.settings())
    , m_width(source.cellWidth())
{ }

CGRect LMTableCellBuilder::cellFrame() const
{
    return CGRectMake(0, 0, m_width, h);
}

std::shared_ptr<UITableViewCell> LMTableCellBuilder::plainCell()
{
    auto cell = UITableViewCell::create();
    cell->setBackgroundColor(UIColor::clearColor());
    return cell;
}

std::shared_ptr<UIColor> LMTableCellBuilder::automaticColor(
    Module module, const std::string& identifier, const std::function<std::shared_ptr<UIImage>()>& source)
{
    bool enabled = module == Module::Kalendo ? m_settings.autoColorEventSectionEnabled()
                                             : m_settings.autoColorNotificationSectionEnabled();
    if (!enabled)
        return nullptr;
    auto& cache = m_source.sectionsColorData();
    if (auto cached = cache.find(identifier); cached != cache.end())
        return cached->second;
    auto image = source();
    auto color = image ? contracts::UIImageOBAdditions::mergedColor(image.get()) : nullptr;
    if (color)
        cache[identifier] = color;
    return color;
}

void LMTableCellBuilder::addBackground(
    UITableViewCell& cell, Module module, const std::shared_ptr<UIColor>& automatic, bool header)
{
    bool kalendo = module == Module::Kalendo;
    bool autoColored = kalendo ? m_settings.autoColorEventSectionEnabled()
                               : m_settings.autoColorNotificationSectionEnabled();
    double headerAlpha
        = kalendo ? m_source.kalendoSectionHeaderTransparency() : m_source.missivaSectionHeaderTransparency();
    double rowAlpha = kalendo ? m_source.kalendoRowTransparencyWhenAutoColored()
                              : m_source.missivaRowTransparencyWhenAutoColored();
    auto background = UIView::create(cell.bounds());
    background->setBackgroundColor(autoColored ? automatic : UIColor::blackColor());
    background->setAlpha(header || !autoColored ? headerAlpha : rowAlpha);
    cell.setBackgroundView(background);
}

std::shared_ptr<UIView> LMTableCellBuilder::eventHeader(NSInteger section, const LMEventList* list)
{
    if (!list)
        return nullptr;
    const auto& first = list->front();
    std::string type = first->type().value_or("");
    bool collapsed = m_source.isCollapsed(type);
    std::string title = collapsed && list->size() >= 2
        ? objc::format("(%ld) %@", static_cast<long>(list->size() - 1), first->title())
        : first->title();
    auto appItem = LMScheduleAppItem(first->type());

    auto cell = LMTableViewSectionHeaderCell::initWithStyle(UITableViewCellStyleDefault, {}, section, type);
    cell->setAccessibilityIdentifier("_" + type + "SectionHeader");
    prepare(*cell, cellFrame());
    outline(*cell, collapsed || list->size() == 1 ? UIRectCornerAllCorners : topCorners);
    addBackground(*cell, Module::Kalendo,
        automaticColor(Module::Kalendo, type, [&] { return appItem ? appItem->iconImage() : nullptr; }),
        true);
    addIcon(*cell, appItem ? appItem->iconImageView() : nullptr, 0.6 * h);

    CGFloat iconWidth = appItem ? 0.6 * h : 0;
    std::string text
        = m_settings.kalendoPrivacyModeEnabled() ? type : title + (first->isNow() ? " (active)" : "");
    cell->addSubview(makeLabel("_titleLabel",
        CGRectMake(iconWidth + 0.04 * m_width, -2, m_width - 1.5 * (0.15 * m_width) - 10 - iconWidth, h),
        text, 14, 1, m_settings.themeColor()));
    auto timeColor = m_settings.kalendoCalendarColorsEnabled() && first->color() ? first->color()
                                                                                 : m_settings.themeColor();
    cell->addSubview(
        timeLabel(m_width, -2, first->date(), m_settings, timeColor, m_source.timeStampTransparency()));
    return cell;
}

std::string LMTableCellBuilder::warningText()
{
    if (LMSystemVersion::isAtLeast("8.0") && !LMSystemVersion::isAtLeast("9.0"))
        return "Please enable sort manually in settings->notifications to view your notifications";
    if (LMSystemVersion::isiOS9())
        return "Please enable group by app in settings->notifications to view your notifications";
    return {};
}

std::shared_ptr<UIView> LMTableCellBuilder::warningView()
{
    auto view = UIView::create(cellFrame());
    view->setAccessibilityIdentifier("_warningView");
    view->setBackgroundColor(UIColor::redColor()->colorWithAlphaComponent(0.5));
    view->setUserInteractionEnabled(false);
    view->layer().setCornerRadius(5);
    view->setClipsToBounds(true);
    auto label = makeLabel("_warningLabel", cellFrame(), warningText(), 12, 2, UIColor::whiteColor());
    label->setBackgroundColor(UIColor::clearColor());
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setAdjustsFontSizeToFitWidth(true);
    view->addSubview(label);
    return view;
}

std::shared_ptr<UIView> LMTableCellBuilder::notificationHeader(NSInteger section, NSInteger key,
    const std::shared_ptr<contracts::OBNotificationSection>& owner, const LMNotificationList* list)
{
    if (!owner)
        return nullptr;
    auto app = owner->sectionApp();
    if (!app)
        return key == 1 ? warningView() : nullptr;
    if (!list)
        return nullptr;
    std::string identifier = owner->sectionID();
    bool collapsed = m_source.isCollapsed(identifier);
    std::string title = collapsed
        ? objc::format("(%ld) %@", static_cast<long>(list->size()), app->displayName())
        : app->displayName();

    auto cell
        = LMTableViewSectionHeaderCell::initWithStyle(UITableViewCellStyleDefault, {}, section, identifier);
    cell->setAccessibilityIdentifier("_notificationSectionHeader");
    prepare(*cell, cellFrame());
    cell->addSubview(LMNotificationSectionDismissButton::dismissButtonWithFrame(
        CGRectMake(m_width - h - 10, 2, h, h), owner));
    outline(*cell, collapsed ? UIRectCornerAllCorners : topCorners);
    addBackground(*cell, Module::Missiva,
        automaticColor(Module::Missiva, identifier, [&] { return owner->sectionIcon(); }), true);
    auto icon = owner->sectionAppIconImageViewWithSize(0.6 * h);
    CGFloat iconWidth = icon ? icon->width() : 0;
    if (icon) {
        icon->setFrame(CGRectMake(5, 5, icon->width(), icon->height()));
        addIcon(*cell, icon, icon->width());
    }
    cell->addSubview(
        makeLabel("_titleLabel", CGRectMake(iconWidth + 0.04 * m_width, -2, m_width - (iconWidth + 5), h),
            title, 14, 1, m_settings.themeColor()));
    return cell;
}

std::shared_ptr<UITableViewCell> LMTableCellBuilder::eventRow(
    const std::shared_ptr<NSIndexPath>& indexPath, const LMEventList* list)
{
    size_t index = static_cast<size_t>(indexPath->row()) + 1;
    if (!list || indexPath->row() < 0 || index >= list->size())
        return plainCell();
    const auto& item = (*list)[index];
    std::string type = item->type().value_or("");

    auto cell = LMTableViewRowCell::initWithStyle(UITableViewCellStyleDefault, {}, indexPath);
    cell->setAccessibilityIdentifier("_" + type + "Row");
    prepare(*cell, cellFrame());
    addBackground(*cell, Module::Kalendo,
        automaticColor(Module::Kalendo, type,
            [&] {
                auto appItem = LMScheduleAppItem(item->type());
                return appItem ? appItem->iconImage() : nullptr;
            }),
        false);
    if (index == list->size() - 1)
        outline(*cell, bottomCorners);

    CGFloat side = 0.6 * h;
    auto holder = UIView::create(CGRectMake(5, 5, side, side));
    holder->setAccessibilityIdentifier("_bulletHolder");
    holder->setBackgroundColor(UIColor::clearColor());
    holder->setUserInteractionEnabled(false);
    auto bullet = UIImageView::initWithImage(
        m_source.bulletImage(m_settings.kalendoCalendarColorsEnabled() ? item->color() : nullptr));
    bullet->setAccessibilityIdentifier("_bulletView");
    bullet->setCenter(CGPointMake(holder->center().x - 5, holder->center().y - 5));
    holder->addSubview(bullet);
    cell->addSubview(holder);

    std::string text
        = m_settings.kalendoPrivacyModeEnabled() ? type : item->title() + (item->isNow() ? " (active)" : "");
    cell->addSubview(makeLabel("_titleLabel",
        CGRectMake(1.04 * side + 0.04 * m_width, -3, m_width - 1.7 * (0.15 * m_width) - 10, h), text, 12, 2,
        m_settings.themeColor()));
    cell->addSubview(timeLabel(
        m_width, -3, item->date(), m_settings, m_settings.themeColor(), m_source.timeStampTransparency()));
    return cell;
}

std::shared_ptr<UITableViewCell> LMTableCellBuilder::notificationRow(
    const std::shared_ptr<NSIndexPath>& indexPath, const LMNotificationList* list)
{
    if (!list || indexPath->row() < 0 || static_cast<size_t>(indexPath->row()) >= list->size())
        return plainCell();
    size_t index = static_cast<size_t>(indexPath->row());
    const auto& row = (*list)[index];

    auto cell = LMTableViewRowCell::initWithStyle(UITableViewCellStyleDefault, {}, indexPath);
    cell->setAccessibilityIdentifier("_notificationRow");
    prepare(*cell, cellFrame());
    addBackground(*cell, Module::Missiva,
        automaticColor(Module::Missiva, row->sectionID(), [&] { return row->icon(); }), false);
    if (index == list->size() - 1) {
        outline(*cell, bottomCorners);
    } else if (const auto& background = cell->backgroundView()) {
        auto separator = UIView::create(CGRectMake(0, background->height() - 5, background->width(), 1));
        separator->setBackgroundColor(m_settings.themeColor()->colorWithAlphaComponent(0.25));
        background->addSubview(separator);
    }

    std::string text = "notification";
    if (!m_settings.missivaPrivacyModeEnabled()) {
        auto title = row->title();
        text = (title && !title->empty() ? *title + " - " : std::string())
            + (row->attachmentImage() ? "*has image* " : "") + row->message().value_or("no message");
    }
    cell->addSubview(
        makeLabel("_titleLabel", CGRectMake(0.04 * m_width, -3, m_width - 1.5 * (0.15 * m_width) - 10, h),
            text, 12, 2, m_settings.themeColor()));
    cell->addSubview(timeLabel(
        m_width, -3, row->date(), m_settings, m_settings.themeColor(), m_source.timeStampTransparency()));
    return cell;
}
