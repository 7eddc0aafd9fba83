#pragma once

#include <memory>
#include <mutex>
#include <utility>

namespace foundation {

// A setting of the device rather than of one process (its time zone, its locale): whoever
// boots the device sets it, a restarted host keeps it, and any thread may read it.
template <class T> class DeviceSetting {
public:
    explicit DeviceSetting(std::shared_ptr<T> initial)
        : m_value(std::move(initial))
    { }

    std::shared_ptr<T> get() const
    {
        std::lock_guard lock(m_mutex);
        return m_value;
    }

    void set(std::shared_ptr<T> value)
    {
        std::lock_guard lock(m_mutex);
        m_value = std::move(value);
    }

private:
    mutable std::mutex m_mutex;
    std::shared_ptr<T> m_value;
};

} // namespace foundation
