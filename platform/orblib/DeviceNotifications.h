#pragma once

#include "dispatch/RunLoop.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

class UIImage;

namespace orblib {

struct NotificationRecord {
    // Given by the store.
    std::uint64_t identifier { 0 };
    // The bundle identifier of the app it came from; empty for one the system cannot place in
    // an app's section.
    std::string app;
    // The section: the app's bundle identifier when empty.
    std::string sectionID {};
    std::optional<std::string> title {};
    std::optional<std::string> subtitle {};
    std::optional<std::string> message {};
    CFAbsoluteTime date { 0 };
    std::shared_ptr<UIImage> attachment {};
    // What its default action opens.
    std::optional<std::string> launchURL {};
    // The titles of its own actions, in order.
    std::vector<std::string> actions {};

    const std::string& section() const { return sectionID.empty() ? app : sectionID; }
};

// The pending notifications of the device. They belong to the device: whoever sets it up fills
// it, a restarted host sees the same, and any thread may use it. Removing one here is what
// removing it from the system means.
class DeviceNotifications {
public:
    struct InvokedAction {
        std::uint64_t identifier;
        int index;
        std::string title;
        bool operator==(const InvokedAction&) const = default;
    };

    // Replaces them all; identifiers are given anew.
    static void set(std::vector<NotificationRecord>);
    // Its identifier.
    static std::uint64_t add(NotificationRecord);
    // Every one, newest first.
    static std::vector<NotificationRecord> all();
    // Changes whenever they may have changed, so that what was made of them can be kept until then.
    static std::uint64_t version();
    static std::optional<NotificationRecord> find(std::uint64_t identifier);
    // False when it was already gone.
    static bool remove(std::uint64_t identifier);
    // The number removed.
    static size_t removeSection(std::string_view sectionID);
    static size_t removeTitled(std::string_view title);

    // Runs the notification's action of that index: the app hears of it and the notification
    // goes, as when the user acts on it. False, and nothing happens, when there is no such
    // notification or action.
    static bool invokeAction(std::uint64_t identifier, int index);
    // The actions run, oldest first.
    static std::vector<InvokedAction> invokedActions();
};

} // namespace orblib
