#pragma once

#include "objc/Message.h"
#include "objc/Substrate.h"
#include "springboard/SpringBoard.h"
#include "uikit/UIView.h"
#include "uikit/ViewFinder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <vector>

// Records the host's sends of the methods a tweak may replace, by replacing them as a tweak
// does (MSHookMessageEx): a call that shows in the log went through the runtime. Each entry is
// "Class selector" with the scalar arguments after it ("_layoutGrabberView:atTop: YES").
class HostCallLog {
public:
    static std::vector<std::string>& entries()
    {
        static std::vector<std::string> s_entries;
        return s_entries;
    }

    // Replaces the method on the class with a recording pass-through.
    template <const auto& M> static void record(const char* className) { Recorder<M>::install(className); }

    // The entries from the first one with this prefix on, or all of them.
    static std::vector<std::string> since(const std::string& prefix)
    {
        auto& all = entries();
        for (auto entry = all.begin(); entry != all.end(); ++entry) {
            if (entry->starts_with(prefix))
                return { entry, all.end() };
        }
        return {};
    }

    // How many entries begin with the prefix.
    static size_t count(const std::string& prefix)
    {
        auto& all = entries();
        return std::count_if(all.begin(), all.end(), [&](auto& entry) { return entry.starts_with(prefix); });
    }

private:
    template <class T> static void describe(std::ostringstream& out, const T& value)
    {
        if constexpr (std::is_same_v<T, bool>)
            out << (value ? " YES" : " NO");
        else if constexpr (std::is_arithmetic_v<T>)
            out << ' ' << value;
    }

    template <const auto& M> struct Recorder;
    template <class R, class... A, const objc::Message<R(A...)>& M> struct Recorder<M> {
        static inline objc::IMP<R, A...> previous;
        static inline std::string className;

        static R replacement(id self, SEL cmd, A... args)
        {
            std::ostringstream entry;
            entry << className << ' ' << sel_getName(cmd);
            (describe(entry, args), ...);
            entries().push_back(entry.str());
            return previous(self, cmd, args...);
        }

        static void install(const char* name)
        {
            className = name;
            Class cls = objc_getClass(name);
            ASSERT_NE(cls, nullptr) << name;
            MSHookMessageEx(cls, M.selector(), &replacement, &previous);
        }
    };
};

// A device with the given system, at the default time (Monday 7 December 2015, 09:05:30 UTC).
inline springboard::Device deviceWithSystem(std::string version)
{
    springboard::Device device;
    device.systemVersion = std::move(version);
    return device;
}
