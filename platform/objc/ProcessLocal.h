#pragma once

#include "objc/Runtime.h"

#include <cstdint>
#include <utility>

namespace objc {

// Module-level state of a simulated process: it takes its initial value again when the process
// ends, as a library's statics would in a freshly started process. It must outlive every
// process it is used in (a static). Meant for the main thread, as the state it holds is.
template <class T> class ProcessLocal {
public:
    explicit ProcessLocal(T initial = T {})
        : m_initial(initial)
        , m_value(std::move(initial))
    { }

    T& get()
    {
        auto generation = Runtime::processGeneration();
        if (generation != m_generation) {
            m_value = m_initial;
            m_generation = generation;
            // Released when the process ends, not when the next one first looks.
            Runtime::atProcessEnd(ProcessEndStage::ProcessState,
                [this] { [[maybe_unused]] T ended = std::exchange(m_value, m_initial); });
        }
        return m_value;
    }
    T& operator*() { return get(); }
    T* operator->() { return &get(); }
    ProcessLocal& operator=(T value)
    {
        get() = std::move(value);
        return *this;
    }

private:
    T m_initial;
    T m_value;
    std::uint64_t m_generation { 0 };
};

} // namespace objc
