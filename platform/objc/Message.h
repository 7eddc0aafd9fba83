#pragma once

#include "objc/NSObject.h"

#include <string>
#include <string_view>

namespace objc {

// A message with its exact signature: the way code sends a method that is dispatched through
// the runtime's tables (and so may have been replaced). Sending to nil answers nothing.
//   inline const objc::Message<void(std::shared_ptr<UIView>, bool)> layoutGrabberView {
//   "_layoutGrabberView:atTop:" }; layoutGrabberView(lockScreenView, grabber, true);
template <class Signature> class Message;

template <class R, class... A> class Message<R(A...)> {
public:
    using Implementation = IMP<R, A...>;
    using ClassImplementation = ClassIMP<R, A...>;

    explicit Message(std::string_view name)
        : m_selector(sel_registerName(name))
    { }

    SEL selector() const { return m_selector; }
    operator SEL() const { return m_selector; }

    R operator()(id receiver, A... args) const
    {
        if (!receiver)
            return nothing<R, A...>(receiver, m_selector, args...);
        auto method = receiver->objcClass()->lookupInstanceMethod(m_selector);
        if (!method)
            throw UnrecognizedSelector(std::string("-[") + receiver->className() + " " + m_selector->name
                + "]: unrecognized selector");
        return method->template as<Implementation>(m_selector)(receiver, m_selector, args...);
    }

    R toClass(Class receiver, A... args) const
    {
        if (!receiver) {
            if constexpr (!std::is_void_v<R>)
                return R {};
            else
                return;
        }
        auto method = receiver->lookupClassMethod(m_selector);
        if (!method)
            throw UnrecognizedSelector(
                std::string("+[") + receiver->name() + " " + m_selector->name + "]: unrecognized selector");
        return method->template as<ClassImplementation>(m_selector)(receiver, m_selector, args...);
    }

private:
    SEL m_selector;
};

} // namespace objc
