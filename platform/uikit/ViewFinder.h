#pragma once

#include <functional>
#include <memory>
#include <string_view>

class UIView;

// The first view of the tree at root, root included, depth first and back to front, for which
// `matches` holds; nothing when none does or there is no root. A table on the way makes the
// views of its rows off screen too, until its next layout.
std::shared_ptr<UIView> findView(
    const std::shared_ptr<UIView>& root, const std::function<bool(const UIView&)>& matches);
// The same, for the view with this accessibility identifier.
std::shared_ptr<UIView> findView(const std::shared_ptr<UIView>& root, std::string_view identifier);
