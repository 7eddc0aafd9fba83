#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIScrollView.h"

#include <memory>
#include <vector>

class NSIndexPath;
class UITableViewCell;
class UITableViewDataSource;
class UITableViewDelegate;

enum UITableViewStyle : NSInteger {
    UITableViewStylePlain = 0,
    UITableViewStyleGrouped = 1,
};

enum UITableViewCellSeparatorStyle : NSInteger {
    UITableViewCellSeparatorStyleNone = 0,
    UITableViewCellSeparatorStyleSingleLine = 1,
};

// Rows in sections, laid out from top to bottom: for each section its header (as high as the
// delegate answers, holding the delegate's header view when there is one), its rows, then its
// footer (a gap as high as the delegate answers, holding its footer view when there is one).
// Every view spans the table's width and sits in content coordinates; the content size covers
// them all. reloadData asks the data source and the delegate again for the counts and heights of
// everything, drops every header, cell and footer, and asks for views only for the places that
// show within the bounds; layout (after a scroll or a change of size) asks for the places that
// came into view and drops those that left it, so a place off screen has no view. A table that
// was never loaded loads at its first layout. A change of width only moves what is there. With
// single-line separators a hairline in separatorColor runs under every shown row but a section's
// last, inset by the cell's text margin.
// not implemented: cell reuse, section titles, headers that float at the top in the plain style,
// row selection (allowsSelection is kept)
class UITableView : public UIScrollView {
    OBJC_CLASS(UITableView, UIScrollView)
public:
    static constexpr CGFloat defaultRowHeight = 44;

    explicit UITableView(CGRect frame = CGRectZero, UITableViewStyle style = UITableViewStylePlain);
    // initWithFrame:style:, with the pan recogniser that scrolls it.
    static std::shared_ptr<UITableView> create(
        CGRect frame = CGRectZero, UITableViewStyle style = UITableViewStylePlain);

    UITableViewStyle style() const { return m_style; }
    std::shared_ptr<UITableViewDataSource> dataSource() const { return m_dataSource.lock(); }
    void setDataSource(std::weak_ptr<UITableViewDataSource>);
    std::shared_ptr<UITableViewDelegate> delegate() const { return m_delegate.lock(); }
    void setDelegate(std::weak_ptr<UITableViewDelegate>);

    CGFloat rowHeight() const { return m_rowHeight; }
    void setRowHeight(CGFloat height) { m_rowHeight = height; }
    CGFloat sectionHeaderHeight() const { return m_sectionHeaderHeight; }
    void setSectionHeaderHeight(CGFloat height) { m_sectionHeaderHeight = height; }
    CGFloat sectionFooterHeight() const { return m_sectionFooterHeight; }
    void setSectionFooterHeight(CGFloat height) { m_sectionFooterHeight = height; }
    UITableViewCellSeparatorStyle separatorStyle() const { return m_separatorStyle; }
    void setSeparatorStyle(UITableViewCellSeparatorStyle);
    const std::shared_ptr<UIColor>& separatorColor() const { return m_separatorColor; }
    void setSeparatorColor(std::shared_ptr<UIColor>);
    bool allowsSelection() const { return m_allowsSelection; }
    void setAllowsSelection(bool allows) { m_allowsSelection = allows; }

    void reloadData();
    // reloadSections:withRowAnimation:, without animation: asks again for these sections' counts,
    // heights and views, keeping the others' views. A data source whose number of sections
    // changed meanwhile gets a whole reload.
    void reloadSections(const std::vector<NSInteger>& sections);
    NSInteger numberOfSections() const { return static_cast<NSInteger>(m_sections.size()); }
    // 0 for a section that does not exist.
    NSInteger numberOfRowsInSection(NSInteger section) const;
    // Nothing for a place that does not exist or is not on screen.
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(const NSIndexPath&) const;
    std::shared_ptr<UIView> headerViewForSection(NSInteger section) const;
    std::shared_ptr<UIView> footerViewForSection(NSInteger section) const;
    // In content coordinates; CGRectZero for a place that does not exist.
    CGRect rectForSection(NSInteger section) const;
    CGRect rectForHeaderInSection(NSInteger section) const;
    CGRect rectForFooterInSection(NSInteger section) const;
    CGRect rectForRowAtIndexPath(const NSIndexPath&) const;

    // Asks for the views of every place, on screen or not, as a search through the view tree
    // finds rows a person would scroll to; the next layout drops those off screen again.
    void loadOffScreenViews();

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

protected:
    void contentOffsetDidChange() override { setNeedsLayout(); }

private:
    // Views are null while their place is off screen; a header or footer whose place shows was
    // asked for once even when the delegate had none.
    struct Section {
        CGFloat top { 0 };
        CGFloat headerHeight { 0 };
        CGFloat footerHeight { 0 };
        CGFloat rowsHeight { 0 };
        std::vector<CGFloat> rowHeights;
        bool headerAsked { false };
        bool footerAsked { false };
        std::shared_ptr<UIView> header;
        std::shared_ptr<UIView> footer;
        std::vector<std::shared_ptr<UITableViewCell>> cells;
        CGFloat height() const { return headerHeight + rowsHeight + footerHeight; }
        // Takes its shown views out of the table.
        void removeViews() const;
    };
    const Section* section(NSInteger) const;
    Section measureSection(UITableViewDataSource&, UITableViewDelegate*, NSInteger index);
    void removeLoadedViews();
    // Asks for the views of the places within the bounds, drops the others, places every shown
    // view at the current width and sets the content size.
    void placeSections();
    // previous: the last shown view above the section, then the section's own last.
    void loadShownViews(Section&, NSInteger index, CGFloat shownTop, CGFloat shownBottom,
        UITableViewDataSource*, UITableViewDelegate*, const UIView*& previous);
    // Added right after the shown view before it (first without one), keeping the table's order.
    void insertShownView(const std::shared_ptr<UIView>& view, const UIView* before);

    UITableViewStyle m_style;
    std::weak_ptr<UITableViewDataSource> m_dataSource;
    std::weak_ptr<UITableViewDelegate> m_delegate;
    CGFloat m_rowHeight { defaultRowHeight };
    CGFloat m_sectionHeaderHeight { 0 };
    CGFloat m_sectionFooterHeight { 0 };
    UITableViewCellSeparatorStyle m_separatorStyle { UITableViewCellSeparatorStyleSingleLine };
    std::shared_ptr<UIColor> m_separatorColor;
    bool m_allowsSelection { true };
    bool m_needsReload { true };
    std::vector<Section> m_sections;
    std::vector<std::shared_ptr<UIView>> m_separators;
};
