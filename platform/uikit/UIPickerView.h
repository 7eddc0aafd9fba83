#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIView.h"

#include <memory>
#include <vector>

class UILabel;
class UITapGestureRecognizer;
class UIPickerViewDataSource;
class UIPickerViewDelegate;

// Wheels side by side, one per component, each showing its selected row in the middle band and
// up to visibleRowsAround rows above and below it, fading with the distance as the wheel curves
// away. The numbers of rows are asked of the data source when first needed and again on
// reloadAllComponents; the titles are asked of the delegate whenever the picker lays out. A
// selection stays within the rows (0 when a wheel has rows, -1 when it has none). A tap on a row
// in sight turns its wheel to that row, and the picker keeps the tap from the views behind it.
// not implemented: turning a wheel by dragging, row views and plain titles from the delegate,
// widths and row heights per component
class UIPickerView : public UIView {
    OBJC_CLASS(UIPickerView, UIView)
public:
    static constexpr CGFloat rowHeight = 32;
    static constexpr NSInteger visibleRowsAround = 3;
    static constexpr CGFloat titleFontSize = 21;

    explicit UIPickerView(CGRect frame = CGRectZero);
    // With the tap recogniser that selects rows.
    static std::shared_ptr<UIPickerView> create(CGRect frame = CGRectZero);

    std::shared_ptr<UIPickerViewDataSource> dataSource() const { return m_dataSource.lock(); }
    void setDataSource(std::weak_ptr<UIPickerViewDataSource>);
    std::shared_ptr<UIPickerViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UIPickerViewDelegate>);
    bool showsSelectionIndicator() const { return m_showsSelectionIndicator; }
    void setShowsSelectionIndicator(bool);

    NSInteger numberOfComponents();
    NSInteger numberOfRowsInComponent(NSInteger component);
    void reloadAllComponents();
    void selectRow(NSInteger row, NSInteger component, bool animated);
    NSInteger selectedRowInComponent(NSInteger component);
    // The label showing the row, when it is on screen (after layout).
    std::shared_ptr<UILabel> viewForRow(NSInteger row, NSInteger component) const;

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    struct RowView {
        NSInteger row;
        NSInteger component;
        std::shared_ptr<UILabel> label;
    };
    void loadIfNeeded();
    void rowTapped(UITapGestureRecognizer*);
    std::shared_ptr<UILabel> makeRowView(NSInteger row, NSInteger component, CGRect frame);

    std::weak_ptr<UIPickerViewDataSource> m_dataSource;
    std::weak_ptr<UIPickerViewDelegate> m_delegate;
    bool m_showsSelectionIndicator { false };
    bool m_loaded { false };
    std::vector<NSInteger> m_rowCounts;
    std::vector<NSInteger> m_selectedRows;
    std::vector<RowView> m_rowViews;
    std::vector<std::shared_ptr<UIView>> m_indicator;
};
