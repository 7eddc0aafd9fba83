#pragma once

#include "objc/Runtime.h"

#include <atomic>
#include <string>

namespace objc {

// A class looked up by name at one call site, once per simulated process, and remembered
// there. It answers nothing when the host lacks the class.
//   static objc::ClassRef backlightClass { "SBBacklightController" };
class ClassRef {
public:
    explicit ClassRef(std::string name)
        : m_name(std::move(name))
    { }

    Class get() const
    {
        auto generation = Runtime::processGeneration();
        if (m_generation.load(std::memory_order_acquire) != generation) {
            m_class.store(objc_getClass(m_name), std::memory_order_relaxed);
            m_generation.store(generation, std::memory_order_release);
        }
        return m_class.load(std::memory_order_relaxed);
    }
    operator Class() const { return get(); }
    const std::string& name() const { return m_name; }

private:
    std::string m_name;
    mutable std::atomic<Class> m_class { nullptr };
    mutable std::atomic<std::uint64_t> m_generation { 0 };
};

} // namespace objc
