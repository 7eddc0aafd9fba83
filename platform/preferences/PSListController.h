#pragma once

#include "objc/Message.h"
#include "uikit/UITableViewDataSource.h"
#include "uikit/UITableViewDelegate.h"
#include "uikit/UIViewController.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

class PSSpecifier;
class PSTableCell;
class UITableView;
class UITapGestureRecognizer;

// A settings page: a grouped table whose rows are its specifiers, each group row starting a
// section with its title and footer. A row's value is read from and written to the preference
// file its specifier names, at once on every change. A tap on a row opens the page class it
// names (found by name), calls the method it names on its target, or opens the list of its
// choices. Page classes are found by name too: the class method "new" makes one.
// not implemented: editing specifiers in place (insert, remove), search, localisation
class PSListController : public UIViewController, public UITableViewDataSource, public UITableViewDelegate {
    OBJC_CLASS(PSListController, UIViewController)
public:
    static inline const objc::Message<std::shared_ptr<NSObject>()> newMessage { "new" };

    template <class Page> static void registerPageClass()
    {
        objc::Runtime::registerClass(Page::staticClass());
        Page::staticClass()->addClassMethod(newMessage, &make<Page>);
    }
    // A new page of a registered class; nothing when the class is not a page class.
    static std::shared_ptr<PSListController> pageOfClass(Class);

    // Runs once, after the page is made by its class.
    virtual void init() { }

    // The rows; by default those already in the `_specifiers` field.
    virtual const std::vector<std::shared_ptr<PSSpecifier>>& specifiers() { return m_specifiers; }
    // The rows of "<bundle>/<name>.plist" (its "items" list), their actions sent to the target.
    // Nothing when the file is missing or is not a specifier file.
    std::vector<std::shared_ptr<PSSpecifier>> loadSpecifiersFromPlistName(
        const std::string& name, const std::shared_ptr<NSObject>& target);
    // Forgets the cells made so far, so the next reload makes them afresh.
    void clearCache();
    // Builds the table again from the specifiers, with the stored values.
    void reload();
    // Forgets the specifiers too: they are asked for again.
    void reloadSpecifiers();

    // The bundle folder on the device whose specifier files the page reads.
    const std::string& bundlePath() const { return m_bundlePath; }
    void setBundlePath(std::string path) { m_bundlePath = std::move(path); }
    // The row that opened the page, if any.
    const std::shared_ptr<PSSpecifier>& specifier() const { return m_specifier; }
    void setSpecifier(std::shared_ptr<PSSpecifier>);

    const std::shared_ptr<UITableView>& table();
    // The cell now shown for a row, if the table made one.
    std::shared_ptr<PSTableCell> cachedCellForSpecifier(const PSSpecifier&) const;

    // The stored value, else the row's "default".
    std::shared_ptr<NSObject> readPreferenceValue(const PSSpecifier&) const;
    void setPreferenceValue(std::shared_ptr<NSObject>, const PSSpecifier&);
    // What a tap on the row does.
    virtual void selectSpecifier(const std::shared_ptr<PSSpecifier>&);

    // Puts another controller's view over the whole window, as a sheet.
    void presentViewController(const std::shared_ptr<UIViewController>&, bool animated);
    // Nothing once the presented controller's view has left the window.
    std::shared_ptr<UIViewController> presentedViewController() const;
    void dismissPresentedViewController();

    void loadView() override;

    NSInteger numberOfSectionsInTableView(UITableView*) override;
    NSInteger numberOfRowsInSection(UITableView*, NSInteger section) override;
    std::shared_ptr<UITableViewCell> cellForRowAtIndexPath(
        UITableView*, const std::shared_ptr<NSIndexPath>&) override;
    CGFloat heightForRowAtIndexPath(UITableView*, const std::shared_ptr<NSIndexPath>&) override;
    CGFloat heightForHeaderInSection(UITableView*, NSInteger) override;
    CGFloat heightForFooterInSection(UITableView*, NSInteger) override;
    std::shared_ptr<UIView> viewForHeaderInSection(UITableView*, NSInteger) override;
    std::shared_ptr<UIView> viewForFooterInSection(UITableView*, NSInteger) override;

protected:
    // The `_specifiers` field: filled on the first specifiers call, kept until cleared.
    std::vector<std::shared_ptr<PSSpecifier>> m_specifiers;

    // The cell a row is drawn with: the specifier's "cellClass" when it names a cell class, else
    // the framework's cell for the row's kind.
    virtual std::shared_ptr<PSTableCell> makeCell(const std::shared_ptr<PSSpecifier>&);
    // Opens the page class the row names, reading its files from the bundle given.
    void openLink(const std::shared_ptr<PSSpecifier>&, const std::string& bundlePath);

private:
    template <class Page> static std::shared_ptr<NSObject> make(Class, SEL)
    {
        auto page = std::make_shared<Page>();
        page->init();
        return page;
    }
    struct Group {
        std::shared_ptr<PSSpecifier> group;
        std::vector<std::shared_ptr<PSSpecifier>> rows;
    };
    const std::vector<Group>& groups();
    const std::shared_ptr<PSSpecifier>* row(const NSIndexPath&);
    // The group row that starts the section, if any.
    const PSSpecifier* groupSpecifier(NSInteger section);
    void showValue(PSTableCell&, const PSSpecifier&);
    void rowTapped(UITapGestureRecognizer*);

    std::string m_bundlePath;
    std::shared_ptr<PSSpecifier> m_specifier;
    std::shared_ptr<UITableView> m_table;
    std::vector<Group> m_groups;
    bool m_groupsValid { false };
    std::map<const PSSpecifier*, std::shared_ptr<PSTableCell>> m_cells;
    std::shared_ptr<UIViewController> m_presented;
};
