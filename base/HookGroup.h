#pragma once

#include "objc/Message.h"
#include "objc/Substrate.h"

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace lumora {

// One replacement of one method: the message it replaces, the replacement, and the slot that
// receives the previous implementation.
class HookRow {
public:
    template <class R, class... A>
    HookRow(
        const objc::Message<R(A...)>& message, objc::IMP<R, A...> replacement, objc::IMP<R, A...>* previous)
        : m_install([selector = message.selector(), replacement, previous](
                        Class cls) { MSHookMessageEx(cls, selector, replacement, previous); })
    { }

    void installOn(Class cls) const { m_install(cls); }

private:
    std::function<void(Class)> m_install;
};

// The hooks one initialiser installs under one log line. A class the host lacks gets one log
// line per row instead, and installation goes on with the next class.
class HookGroup {
public:
    HookGroup(std::string sourceLabel, int line);

    void hookClass(std::string_view className, std::initializer_list<HookRow> rows) const;

private:
    std::string m_sourceLabel;
    int m_line;
};

} // namespace lumora
