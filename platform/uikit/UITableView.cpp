#include "uikit/UITableView.h"

#include "uikit/NSIndexPath.h"
#include "uikit/UITableViewCell.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/ViewDump.h"

#include <algorithm>
#include <limits>
#include <nlohmann/json.hpp>
#include <stdexcept>

namespace {

CGFloat heightOr(CGFloat answer, CGFloat fallback)
{
    return std::max(0.0, answer == UITableViewAutomaticDimension ? fallback : answer);
}

} // namespace

UITableView::UITableView(CGRect frame, UITableViewStyle style)
    : UIScrollView(frame)
    , m_style(style)
    , m_separatorColor(UIColor::colorWithWhite(0.78, 1))
{
    setBackgroundColor(style == UITableViewStyleGrouped ? UIColor::colorWithRed(0.937, 0.937, 0.957, 1)
                                                        : UIColor::whiteColor());
}

std::shared_ptr<UITableView> UITableView::create(CGRect frame, UITableViewStyle style)
{
    auto table = std::make_shared<UITableView>(frame, style);
    table->installPanGestureRecognizer();
    return table;
}

void UITableView::setDataSource(std::weak_ptr<UITableViewDataSource> dataSource)
{
    m_dataSource = std::move(dataSource);
    m_needsReload = true;
    setNeedsLayout();
}

void UITableView::setDelegate(std::weak_ptr<UITableViewDelegate> delegate)
{
    m_delegate = std::move(delegate);
    m_needsReload = true;
    setNeedsLayout();
}

void UITableView::setSeparatorStyle(UITableViewCellSeparatorStyle style)
{
    m_separatorStyle = style;
    setNeedsLayout();
}

void UITableView::setSeparatorColor(std::shared_ptr<UIColor> color)
{
    m_separatorColor = std::move(color);
    setNeedsLayout();
}

const UITableView::Section* UITableView::section(NSInteger index) const
{
    return index >= 0 && index < numberOfSections() ? &m_sections[static_cast<size_t>(index)] : nullptr;
}

NSInteger UITableView::numberOfRowsInSection(NSInteger index) const
{
    auto* found = section(index);
    return found ? static_cast<NSInteger>(found->rowHeights.size()) : 0;
}

std::shared_ptr<UITableViewCell> UITableView::cellForRowAtIndexPath(const NSIndexPath& indexPath) const
{
    auto* found = section(indexPath.section());
    if (!found || indexPath.row() < 0 || indexPath.row() >= static_cast<NSInteger>(found->cells.size()))
        return nullptr;
    return found->cells[static_cast<size_t>(indexPath.row())];
}

std::shared_ptr<UIView> UITableView::headerViewForSection(NSInteger index) const
{
    auto* found = section(index);
    return found ? found->header : nullptr;
}

std::shared_ptr<UIView> UITableView::footerViewForSection(NSInteger index) const
{
    auto* found = section(index);
    return found ? found->footer : nullptr;
}

CGRect UITableView::rectForSection(NSInteger index) const
{
    auto* found = section(index);
    return found ? CGRectMake(0, found->top, width(), found->height()) : CGRectZero;
}

CGRect UITableView::rectForHeaderInSection(NSInteger index) const
{
    auto* found = section(index);
    return found ? CGRectMake(0, found->top, width(), found->headerHeight) : CGRectZero;
}

CGRect UITableView::rectForFooterInSection(NSInteger index) const
{
    auto* found = section(index);
    return found
        ? CGRectMake(0, found->top + found->height() - found->footerHeight, width(), found->footerHeight)
        : CGRectZero;
}

CGRect UITableView::rectForRowAtIndexPath(const NSIndexPath& indexPath) const
{
    auto* found = section(indexPath.section());
    auto row = indexPath.row();
    if (!found || row < 0 || row >= static_cast<NSInteger>(found->rowHeights.size()))
        return CGRectZero;
    CGFloat y = found->top + found->headerHeight;
    for (NSInteger above = 0; above < row; ++above)
        y += found->rowHeights[static_cast<size_t>(above)];
    return CGRectMake(0, y, width(), found->rowHeights[static_cast<size_t>(row)]);
}

UITableView::Section UITableView::measureSection(
    UITableViewDataSource& dataSource, UITableViewDelegate* delegate, NSInteger index)
{
    Section section;
    auto rows = std::max<NSInteger>(0, dataSource.numberOfRowsInSection(this, index));
    section.headerHeight
        = heightOr(delegate ? delegate->heightForHeaderInSection(this, index) : UITableViewAutomaticDimension,
            m_sectionHeaderHeight);
    section.footerHeight
        = heightOr(delegate ? delegate->heightForFooterInSection(this, index) : UITableViewAutomaticDimension,
            m_sectionFooterHeight);
    section.rowHeights.reserve(static_cast<size_t>(rows));
    for (NSInteger row = 0; row < rows; ++row) {
        CGFloat height = heightOr(delegate
                ? delegate->heightForRowAtIndexPath(this, NSIndexPath::indexPathForRow(row, index))
                : UITableViewAutomaticDimension,
            m_rowHeight);
        section.rowHeights.push_back(height);
        section.rowsHeight += height;
    }
    section.cells.resize(section.rowHeights.size());
    return section;
}

void UITableView::Section::removeViews() const
{
    if (header)
        header->removeFromSuperview();
    for (auto& cell : cells) {
        if (cell)
            cell->removeFromSuperview();
    }
    if (footer)
        footer->removeFromSuperview();
}

void UITableView::removeLoadedViews()
{
    for (auto& section : m_sections)
        section.removeViews();
    m_sections.clear();
}

void UITableView::reloadData()
{
    m_needsReload = false;
    removeLoadedViews();
    if (auto dataSource = m_dataSource.lock()) {
        auto delegate = m_delegate.lock();
        auto count = std::max<NSInteger>(0, dataSource->numberOfSectionsInTableView(this));
        std::vector<Section> sections;
        sections.reserve(static_cast<size_t>(count));
        for (NSInteger index = 0; index < count; ++index)
            sections.push_back(measureSection(*dataSource, delegate.get(), index));
        m_sections = std::move(sections);
    }
    placeSections();
}

void UITableView::reloadSections(const std::vector<NSInteger>& indexes)
{
    auto dataSource = m_dataSource.lock();
    if (m_needsReload || !dataSource
        || std::max<NSInteger>(0, dataSource->numberOfSectionsInTableView(this)) != numberOfSections())
        return reloadData();
    auto delegate = m_delegate.lock();
    for (NSInteger index : indexes) {
        if (index < 0 || index >= numberOfSections())
            continue;
        auto& section = m_sections[static_cast<size_t>(index)];
        section.removeViews();
        section = measureSection(*dataSource, delegate.get(), index);
    }
    placeSections();
}

void UITableView::insertShownView(const std::shared_ptr<UIView>& view, const UIView* before)
{
    const auto& children = subviews();
    size_t index = 0;
    if (before) {
        auto found = std::find_if(children.begin(), children.end(),
            [before](const std::shared_ptr<UIView>& child) { return child.get() == before; });
        if (found != children.end())
            index = static_cast<size_t>(found - children.begin()) + 1;
    }
    insertSubviewAtIndex(view, index);
}

void UITableView::loadShownViews(Section& section, NSInteger index, CGFloat shownTop, CGFloat shownBottom,
    UITableViewDataSource* dataSource, UITableViewDelegate* delegate, const UIView*& previous)
{
    // A place of no height shows where it sits within the bounds.
    auto shows = [&](CGFloat y, CGFloat height) {
        return height > 0 ? y < shownBottom && y + height > shownTop : y >= shownTop && y < shownBottom;
    };
    auto drop = [](auto& view) {
        if (view)
            view->removeFromSuperview();
        view = nullptr;
    };
    // A header or footer place is asked for once while it shows, even when it has no view.
    auto sectionView = [&](std::shared_ptr<UIView>& view, bool& asked, CGFloat y, CGFloat height,
                           std::shared_ptr<UIView> (UITableViewDelegate::*ask)(UITableView*, NSInteger)) {
        if (!shows(y, height)) {
            drop(view);
            asked = false;
        } else if (!asked) {
            asked = true;
            view = delegate ? (delegate->*ask)(this, index) : nullptr;
            if (view) {
                view->setFrame(CGRectMake(0, y, width(), height));
                insertShownView(view, previous);
            }
        }
        if (view)
            previous = view.get();
    };
    CGFloat y = section.top;
    sectionView(section.header, section.headerAsked, y, section.headerHeight,
        &UITableViewDelegate::viewForHeaderInSection);
    y += section.headerHeight;

    for (size_t row = 0; row < section.rowHeights.size(); ++row) {
        auto& cell = section.cells[row];
        CGFloat height = section.rowHeights[row];
        if (!shows(y, height)) {
            drop(cell);
        } else if (!cell && dataSource) {
            cell = dataSource->cellForRowAtIndexPath(
                this, NSIndexPath::indexPathForRow(static_cast<NSInteger>(row), index));
            if (!cell)
                throw std::logic_error("UITableView: the data source gave no cell for a row");
            cell->setFrame(CGRectMake(0, y, width(), height));
            insertShownView(cell, previous);
        }
        if (cell)
            previous = cell.get();
        y += height;
    }

    sectionView(section.footer, section.footerAsked, y, section.footerHeight,
        &UITableViewDelegate::viewForFooterInSection);
}

void UITableView::loadOffScreenViews()
{
    if (m_needsReload)
        reloadData();
    auto dataSource = m_dataSource.lock();
    auto delegate = m_delegate.lock();
    const UIView* previous = nullptr;
    constexpr CGFloat everywhere = std::numeric_limits<CGFloat>::infinity();
    for (size_t index = 0; index < m_sections.size(); ++index)
        loadShownViews(m_sections[index], static_cast<NSInteger>(index), -everywhere, everywhere,
            dataSource.get(), delegate.get(), previous);
}

void UITableView::placeSections()
{
    for (auto& separator : m_separators)
        separator->removeFromSuperview();
    m_separators.clear();

    auto dataSource = m_dataSource.lock();
    auto delegate = m_delegate.lock();
    const UIView* previous = nullptr;
    CGRect shown = bounds();
    CGFloat w = width();
    CGFloat y = 0;
    for (size_t index = 0; index < m_sections.size(); ++index) {
        auto& section = m_sections[index];
        section.top = y;
        loadShownViews(section, static_cast<NSInteger>(index), shown.origin.y, CGRectGetMaxY(shown),
            dataSource.get(), delegate.get(), previous);
        if (section.header)
            section.header->setFrame(CGRectMake(0, y, w, section.headerHeight));
        y += section.headerHeight;
        for (size_t row = 0; row < section.cells.size(); ++row) {
            CGFloat height = section.rowHeights[row];
            y += height;
            auto& cell = section.cells[row];
            if (!cell)
                continue;
            cell->setFrame(CGRectMake(0, y - height, w, height));
            if (m_separatorStyle == UITableViewCellSeparatorStyleNone || row + 1 == section.cells.size())
                continue;
            auto separator = UIView::create(CGRectMake(
                UITableViewCell::textMargin, y - 0.5, std::max(0.0, w - UITableViewCell::textMargin), 0.5));
            separator->setBackgroundColor(m_separatorColor);
            separator->setUserInteractionEnabled(false);
            m_separators.push_back(separator);
            addSubview(separator);
        }
        if (section.footer)
            section.footer->setFrame(CGRectMake(0, y, w, section.footerHeight));
        y += section.footerHeight;
    }
    setContentSize(CGSizeMake(w, y));
}

void UITableView::layoutSubviews()
{
    if (m_needsReload)
        reloadData();
    else
        placeSections();
}

void UITableView::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["style"] = m_style;
    entry["separatorStyle"] = m_separatorStyle;
    entry["sections"] = m_sections.size();
}
