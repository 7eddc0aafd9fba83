#pragma once

#include "objc/NSObject.h"

#include <memory>
#include <mutex>
#include <type_traits>
#include <utility>

namespace foundation {

// A setting of the device rather than of one process (its time zone, its locale): whoever
// boots the device sets it, a restarted host keeps it, and any thread may read it.
template <class T> class DeviceSetting {
public:
    explicit DeviceSetting(std::shared_ptr<T> initial)
        : m_value(std::move(initial))
    {
        keep(m_value);
    }

    std::shared_ptr<T> get() const
    {
        std::lock_guard lock(m_mutex);
        return m_value;
    }

    void set(std::shared_ptr<T> value)
    {
        keep(value);
        std::lock_guard lock(m_mutex);
        m_value = std::move(value);
    }

private:
    // The device's, not the process's that set it.
    static void keep(const std::shared_ptr<T>& value)
    {
        if constexpr (std::is_base_of_v<NSObject, T>) {
            if (value)
                objc::keepAcrossProcesses(*value);
        }
    }

    mutable std::mutex m_mutex;
    std::shared_ptr<T> m_value;
};

} // namespace foundation
