#pragma once

#include "objc/Message.h"
#include "uikit/UITableViewCell.h"

#include <functional>
#include <memory>
#include <string>

class PSSpecifier;
class UILabel;

// A row of a settings page. It shows its specifier's title, and at the right the value the
// page gives it (a list's choice, a text), or a chevron for a row that opens a page. Cell classes
// are found by name, so a specifier file can name one of a bundle's own: the class method
// initWithStyle:reuseIdentifier:specifier: makes a cell of the class and lets it set itself up.
class PSTableCell : public UITableViewCell {
    OBJC_CLASS(PSTableCell, UITableViewCell)
public:
    static inline const objc::Message<std::shared_ptr<NSObject>(
        NSInteger, std::string, std::shared_ptr<PSSpecifier>)>
        initWithStyleMessage { "initWithStyle:reuseIdentifier:specifier:" };

    PSTableCell();

    // Makes a cell of a registered class; nothing when the class is not a cell class.
    static std::shared_ptr<PSTableCell> cellOfClass(
        Class, UITableViewCellStyle, const std::string& reuseIdentifier, const std::shared_ptr<PSSpecifier>&);
    // Makes the class findable by name, with its class-side initialiser.
    template <class Cell> static void registerCellClass()
    {
        objc::Runtime::registerClass(Cell::staticClass());
        Cell::staticClass()->addClassMethod(initWithStyleMessage, &make<Cell>);
    }

    // initWithStyle:reuseIdentifier:specifier: — a subclass sets itself up here, after its super.
    virtual void initWithStyle(
        UITableViewCellStyle, const std::string& reuseIdentifier, std::shared_ptr<PSSpecifier>);

    const std::shared_ptr<PSSpecifier>& specifier() const { return m_specifier; }
    // The value shown at the right; empty hides it.
    void setValueText(const std::string&);
    std::string valueText() const;
    const std::shared_ptr<UILabel>& valueLabel() const { return m_valueLabel; }

    // A text row (of any cell class): the user replaces the text and ends editing; the page
    // stores it. False for a row of another kind.
    // not implemented: the keyboard and a caret (typeText stands for a finished entry)
    bool typeText(const std::string&);
    using Committed = std::function<void(const std::string&)>;
    void setCommittedAction(Committed action) { m_committed = std::move(action); }

    void layoutSubviews() override;

private:
    template <class Cell>
    static std::shared_ptr<NSObject> make(
        Class, SEL, NSInteger style, std::string reuseIdentifier, std::shared_ptr<PSSpecifier> specifier)
    {
        auto cell = std::make_shared<Cell>();
        cell->initWithStyle(static_cast<UITableViewCellStyle>(style), reuseIdentifier, std::move(specifier));
        return cell;
    }

    std::shared_ptr<PSSpecifier> m_specifier;
    std::shared_ptr<UILabel> m_valueLabel;
    Committed m_committed;
};
