#pragma once

#include "foundation/NSObjCRuntime.h"
#include "uikit/UIView.h"

#include <memory>
#include <string>

class UILabel;

enum UITableViewCellStyle : NSInteger {
    UITableViewCellStyleDefault = 0,
    UITableViewCellStyleValue1 = 1,
    UITableViewCellStyleValue2 = 2,
    UITableViewCellStyleSubtitle = 3,
};

// One row of a table. Its parts fill it, back to front: the background view, the content view
// (which holds the text label), then any subviews added to the cell itself; an accessory view
// sits at the right edge, centred vertically. The content view and the text label are made when
// first asked for. A new cell is white, as on the platform.
// not implemented: the detail text label, image view, selection and editing
class UITableViewCell : public UIView {
    OBJC_CLASS(UITableViewCell, UIView)
public:
    static constexpr CGFloat textMargin = 15;

    explicit UITableViewCell(
        UITableViewCellStyle style = UITableViewCellStyleDefault, std::string reuseIdentifier = {});
    // initWithStyle:reuseIdentifier:
    static std::shared_ptr<UITableViewCell> create(
        UITableViewCellStyle style = UITableViewCellStyleDefault, std::string reuseIdentifier = {})
    {
        return std::make_shared<UITableViewCell>(style, std::move(reuseIdentifier));
    }

    UITableViewCellStyle style() const { return m_style; }
    const std::string& reuseIdentifier() const { return m_reuseIdentifier; }

    const std::shared_ptr<UIView>& backgroundView() const { return m_backgroundView; }
    void setBackgroundView(std::shared_ptr<UIView>);
    const std::shared_ptr<UIView>& contentView();
    const std::shared_ptr<UILabel>& textLabel();
    const std::shared_ptr<UIView>& accessoryView() const { return m_accessoryView; }
    void setAccessoryView(std::shared_ptr<UIView>);

    void layoutSubviews() override;
    void dumpProperties(nlohmann::ordered_json& entry) const override;

private:
    UITableViewCellStyle m_style;
    std::string m_reuseIdentifier;
    std::shared_ptr<UIView> m_backgroundView;
    std::shared_ptr<UIView> m_contentView;
    std::shared_ptr<UILabel> m_textLabel;
    std::shared_ptr<UIView> m_accessoryView;
};
