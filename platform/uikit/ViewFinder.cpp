#include "uikit/ViewFinder.h"

#include "uikit/UITableView.h"

std::shared_ptr<UIView> findView(
    const std::shared_ptr<UIView>& root, const std::function<bool(const UIView&)>& matches)
{
    if (!root)
        return nullptr;
    if (matches(*root))
        return root;
    // A table has views only for the rows on screen; a search looks at them all.
    if (auto table = dynamic_cast<UITableView*>(root.get()))
        table->loadOffScreenViews();
    for (auto& subview : root->subviews()) {
        if (auto found = findView(subview, matches))
            return found;
    }
    return nullptr;
}

std::shared_ptr<UIView> findView(const std::shared_ptr<UIView>& root, std::string_view identifier)
{
    return findView(
        root, [identifier](const UIView& view) { return view.accessibilityIdentifier() == identifier; });
}
