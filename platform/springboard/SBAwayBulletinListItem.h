#pragma once

#include "objc/NSObject.h"

#include <string>

namespace springboard {

// One notification as the lock screen shows it.
class SBAwayBulletinListItem : public NSObject {
    OBJC_CLASS(SBAwayBulletinListItem, NSObject)
public:
    SBAwayBulletinListItem(std::string title, std::string message)
        : m_title(std::move(title))
        , m_message(std::move(message))
    { }

    const std::string& title() const { return m_title; }
    const std::string& message() const { return m_message; }

private:
    std::string m_title;
    std::string m_message;
};

} // namespace springboard
