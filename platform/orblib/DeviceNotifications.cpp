#include "orblib/DeviceNotifications.h"

#include "uikit/UIImage.h"

#include <algorithm>
#include <mutex>

namespace orblib {
namespace {

struct Store {
    std::mutex mutex;
    std::vector<NotificationRecord> notifications;
    std::uint64_t lastIdentifier { 0 };
    std::uint64_t version { 0 };
    std::vector<DeviceNotifications::InvokedAction> invoked;
};

Store& store()
{
    static Store instance;
    return instance;
}

std::uint64_t addLocked(Store& data, NotificationRecord record)
{
    ++data.version;
    // The device's, whichever process posted it.
    if (record.attachment)
        objc::keepAcrossProcesses(*record.attachment);
    record.identifier = ++data.lastIdentifier;
    // Newest first; of equal dates, the later added first.
    auto position = std::find_if(data.notifications.begin(), data.notifications.end(),
        [&](auto& other) { return other.date <= record.date; });
    data.notifications.insert(position, std::move(record));
    return data.lastIdentifier;
}

} // namespace

void DeviceNotifications::set(std::vector<NotificationRecord> records)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    ++data.version;
    data.notifications.clear();
    for (auto& record : records)
        addLocked(data, std::move(record));
}

std::uint64_t DeviceNotifications::add(NotificationRecord record)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    return addLocked(data, std::move(record));
}

std::vector<NotificationRecord> DeviceNotifications::all()
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    return data.notifications;
}

std::uint64_t DeviceNotifications::version()
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    return data.version;
}

std::optional<NotificationRecord> DeviceNotifications::find(std::uint64_t identifier)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    for (auto& record : data.notifications) {
        if (record.identifier == identifier)
            return record;
    }
    return std::nullopt;
}

bool DeviceNotifications::remove(std::uint64_t identifier)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    ++data.version;
    return std::erase_if(data.notifications, [&](auto& record) { return record.identifier == identifier; })
        > 0;
}

size_t DeviceNotifications::removeSection(std::string_view sectionID)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    ++data.version;
    return std::erase_if(data.notifications, [&](auto& record) { return record.section() == sectionID; });
}

size_t DeviceNotifications::removeTitled(std::string_view title)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    ++data.version;
    return std::erase_if(data.notifications, [&](auto& record) { return record.title == title; });
}

bool DeviceNotifications::invokeAction(std::uint64_t identifier, int index)
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    auto found = std::find_if(data.notifications.begin(), data.notifications.end(),
        [&](auto& record) { return record.identifier == identifier; });
    if (found == data.notifications.end() || index < 0 || static_cast<size_t>(index) >= found->actions.size())
        return false;
    ++data.version;
    data.invoked.push_back({ identifier, index, found->actions[static_cast<size_t>(index)] });
    data.notifications.erase(found);
    return true;
}

std::vector<DeviceNotifications::InvokedAction> DeviceNotifications::invokedActions()
{
    auto& data = store();
    std::lock_guard lock(data.mutex);
    return data.invoked;
}

} // namespace orblib
