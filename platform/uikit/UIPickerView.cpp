#include "uikit/UIPickerView.h"

#include "uikit/NSAttributedString.h"
#include "uikit/UIFont.h"
#include "uikit/UILabel.h"
#include "uikit/UIPickerViewDataSource.h"
#include "uikit/UIPickerViewDelegate.h"
#include "uikit/UITapGestureRecognizer.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <nlohmann/json.hpp>

UIPickerView::UIPickerView(CGRect frame)
    : UIView(frame)
{
    setClipsToBounds(true);
}

std::shared_ptr<UIPickerView> UIPickerView::create(CGRect frame)
{
    auto picker = std::make_shared<UIPickerView>(frame);
    picker->addGestureRecognizer(std::make_shared<UITapGestureRecognizer>(picker, &UIPickerView::rowTapped));
    return picker;
}

void UIPickerView::rowTapped(UITapGestureRecognizer* recognizer)
{
    auto components = numberOfComponents();
    if (!components || width() <= 0)
        return;
    CGPoint point = recognizer->locationInView(this);
    auto component = std::clamp<NSInteger>(
        static_cast<NSInteger>(std::floor(point.x / (width() / static_cast<CGFloat>(components)))), 0,
        components - 1);
    auto offset = static_cast<NSInteger>(std::floor((point.y - (height() - rowHeight) / 2) / rowHeight));
    auto selected = selectedRowInComponent(component);
    if (selected < 0 || std::abs(offset) > visibleRowsAround)
        return;
    selectRow(selected + offset, component, true);
}

void UIPickerView::setDataSource(std::weak_ptr<UIPickerViewDataSource> dataSource)
{
    m_dataSource = std::move(dataSource);
    reloadAllComponents();
}

void UIPickerView::setDelegate(std::weak_ptr<UIPickerViewDelegate> delegate)
{
    m_delegate = std::move(delegate);
    setNeedsLayout();
}

void UIPickerView::setShowsSelectionIndicator(bool shows)
{
    m_showsSelectionIndicator = shows;
    setNeedsLayout();
}

void UIPickerView::loadIfNeeded()
{
    if (m_loaded)
        return;
    m_loaded = true;
    auto dataSource = m_dataSource.lock();
    auto components
        = dataSource ? std::max<NSInteger>(0, dataSource->numberOfComponentsInPickerView(this)) : 0;
    m_rowCounts.resize(static_cast<size_t>(components));
    m_selectedRows.resize(static_cast<size_t>(components), 0);
    for (NSInteger component = 0; component < components; ++component) {
        auto index = static_cast<size_t>(component);
        auto rows = std::max<NSInteger>(0, dataSource->numberOfRowsInComponent(this, component));
        m_rowCounts[index] = rows;
        m_selectedRows[index] = rows ? std::clamp<NSInteger>(m_selectedRows[index], 0, rows - 1) : -1;
    }
}

NSInteger UIPickerView::numberOfComponents()
{
    loadIfNeeded();
    return static_cast<NSInteger>(m_rowCounts.size());
}

NSInteger UIPickerView::numberOfRowsInComponent(NSInteger component)
{
    if (component < 0 || component >= numberOfComponents())
        return 0;
    return m_rowCounts[static_cast<size_t>(component)];
}

void UIPickerView::reloadAllComponents()
{
    m_loaded = false;
    setNeedsLayout();
}

void UIPickerView::selectRow(NSInteger row, NSInteger component, bool)
{
    auto rows = numberOfRowsInComponent(component);
    if (!rows)
        return;
    m_selectedRows[static_cast<size_t>(component)] = std::clamp<NSInteger>(row, 0, rows - 1);
    setNeedsLayout();
}

NSInteger UIPickerView::selectedRowInComponent(NSInteger component)
{
    if (component < 0 || component >= numberOfComponents())
        return -1;
    return m_selectedRows[static_cast<size_t>(component)];
}

std::shared_ptr<UILabel> UIPickerView::viewForRow(NSInteger row, NSInteger component) const
{
    for (auto& view : m_rowViews) {
        if (view.row == row && view.component == component)
            return view.label;
    }
    return nullptr;
}

std::shared_ptr<UILabel> UIPickerView::makeRowView(NSInteger row, NSInteger component, CGRect frame)
{
    auto label = UILabel::create(frame);
    label->setFont(UIFont::systemFontOfSize(titleFontSize));
    label->setTextAlignment(NSTextAlignmentCenter);
    label->setUserInteractionEnabled(false);
    auto delegate = m_delegate.lock();
    if (auto title = delegate ? delegate->attributedTitleForRow(this, row, component) : nullptr)
        label->setAttributedText(title);
    else
        label->setText("?");
    return label;
}

void UIPickerView::layoutSubviews()
{
    for (auto& view : m_rowViews)
        view.label->removeFromSuperview();
    m_rowViews.clear();
    for (auto& line : m_indicator)
        line->removeFromSuperview();
    m_indicator.clear();

    auto components = numberOfComponents();
    if (!components)
        return;
    CGFloat columnWidth = width() / static_cast<CGFloat>(components);
    CGFloat middleTop = (height() - rowHeight) / 2;
    for (NSInteger component = 0; component < components; ++component) {
        auto selected = selectedRowInComponent(component);
        for (NSInteger offset = -visibleRowsAround; offset <= visibleRowsAround; ++offset) {
            auto row = selected + offset;
            if (selected < 0 || row < 0 || row >= numberOfRowsInComponent(component))
                continue;
            CGRect frame = CGRectMake(columnWidth * static_cast<CGFloat>(component),
                middleTop + rowHeight * static_cast<CGFloat>(offset), columnWidth, rowHeight);
            auto label = makeRowView(row, component, frame);
            label->setAlpha(1 - static_cast<CGFloat>(std::abs(offset)) / (visibleRowsAround + 1));
            addSubview(label);
            m_rowViews.push_back({ row, component, std::move(label) });
        }
    }
    if (!m_showsSelectionIndicator)
        return;
    for (CGFloat y : { middleTop, middleTop + rowHeight }) {
        auto line = UIView::create(CGRectMake(0, y, width(), 0.5));
        line->setBackgroundColor(UIColor::colorWithWhite(0.8, 1));
        line->setUserInteractionEnabled(false);
        addSubview(line);
        m_indicator.push_back(std::move(line));
    }
}

void UIPickerView::dumpProperties(nlohmann::ordered_json& entry) const
{
    super::dumpProperties(entry);
    entry["selectedRows"] = m_selectedRows;
}
