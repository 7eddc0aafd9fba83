#include "uikit/UITableView.h"

#include "uikit/NSIndexPath.h"
#include "uikit/UITableViewCell.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/ViewDump.h"

#include <algorithm>
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

CGFloat UITableView::Section::height() const
{
    CGFloat rows = 0;
    for (CGFloat row : rowHeights)
        rows += row;
    return headerHeight + rows + footerHeight;
}

const UITableView::Section* UITableView::section(NSInteger index) const
{
    return index >= 0 && index < numberOfSections() ? &m_sections[static_cast<size_t>(index)] : nullptr;
}

NSInteger UITableView::numberOfRowsInSection(NSInteger index) const
{
    auto* found = section(index);
    return found ? static_cast<NSInteger>(found->cells.size()) : 0;
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

UITableView::Section UITableView::loadSection(
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
    if (delegate)
        section.header = delegate->viewForHeaderInSection(this, index);
    for (NSInteger row = 0; row < rows; ++row) {
        auto indexPath = NSIndexPath::indexPathForRow(row, index);
        section.rowHeights.push_back(heightOr(
            delegate ? delegate->heightForRowAtIndexPath(this, indexPath) : UITableViewAutomaticDimension,
            m_rowHeight));
        auto cell = dataSource.cellForRowAtIndexPath(this, indexPath);
        if (!cell)
            throw std::logic_error("UITableView: the data source gave no cell for a row");
        section.cells.push_back(std::move(cell));
    }
    if (delegate)
        section.footer = delegate->viewForFooterInSection(this, index);
    return section;
}

void UITableView::removeLoadedViews()
{
    for (auto& section : m_sections) {
        if (section.header)
            section.header->removeFromSuperview();
        for (auto& cell : section.cells)
            cell->removeFromSuperview();
        if (section.footer)
            section.footer->removeFromSuperview();
    }
    m_sections.clear();
}

void UITableView::reloadData()
{
    m_needsReload = false;
    removeLoadedViews();
    auto dataSource = m_dataSource.lock();
    if (!dataSource) {
        placeSections();
        return;
    }
    auto delegate = m_delegate.lock();
    auto count = std::max<NSInteger>(0, dataSource->numberOfSectionsInTableView(this));
    std::vector<Section> sections;
    for (NSInteger index = 0; index < count; ++index)
        sections.push_back(loadSection(*dataSource, delegate.get(), index));
    m_sections = std::move(sections);
    for (auto& section : m_sections) {
        if (section.header)
            addSubview(section.header);
        for (auto& cell : section.cells)
            addSubview(cell);
        if (section.footer)
            addSubview(section.footer);
    }
    placeSections();
}

void UITableView::placeSections()
{
    for (auto& separator : m_separators)
        separator->removeFromSuperview();
    m_separators.clear();

    CGFloat w = width();
    CGFloat y = 0;
    for (auto& section : m_sections) {
        section.top = y;
        if (section.header)
            section.header->setFrame(CGRectMake(0, y, w, section.headerHeight));
        y += section.headerHeight;
        for (size_t row = 0; row < section.cells.size(); ++row) {
            CGFloat height = section.rowHeights[row];
            section.cells[row]->setFrame(CGRectMake(0, y, w, height));
            y += height;
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
