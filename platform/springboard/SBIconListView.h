#pragma once

#include "uikit/UIView.h"

namespace springboard {

// The home screen's page of icons: one rounded square and name per installed application, four
// to a row.
// not implemented: launching an application, pages, the dock, folders
class SBIconListView : public UIView {
    OBJC_CLASS(SBIconListView, UIView)
public:
    static constexpr CGFloat iconSize = 60;

    static std::shared_ptr<SBIconListView> create();

    void layoutSubviews() override;
};

} // namespace springboard
