#pragma once

#include "objc/Selector.h"

#include <stdexcept>
#include <string>
#include <typeindex>
#include <typeinfo>

class NSObject;
struct objc_class;
using id = NSObject*;
using Class = objc_class*;

namespace objc {

// An implementation as the runtime stores it: the function with its exact signature erased,
// and that signature kept beside it so that every call and every replacement is checked.
template <class R, class... A> using IMP = R (*)(id self, SEL cmd, A... args);
template <class R, class... A> using ClassIMP = R (*)(Class self, SEL cmd, A... args);

// Installing or calling an implementation under another signature is a programming error.
class SignatureMismatch : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class UnrecognizedSelector : public std::logic_error {
public:
    using std::logic_error::logic_error;
};

class Method {
public:
    template <class Fn>
    explicit Method(Fn function)
        : m_function(reinterpret_cast<void (*)()>(function))
        , m_signature(typeid(Fn))
    { }

    template <class Fn> Fn as(SEL selector) const
    {
        if (m_signature != typeid(Fn))
            throw SignatureMismatch(std::string("-[") + sel_getName(selector) + "] is implemented as "
                + m_signature.name() + ", not as " + typeid(Fn).name());
        return reinterpret_cast<Fn>(m_function);
    }

    std::type_index signature() const { return m_signature; }

private:
    void (*m_function)();
    std::type_index m_signature;
};

// What a message to a method nobody implements answers: nothing, like a message to nil.
template <class R, class... A> R nothing(id, SEL, A...)
{
    if constexpr (!std::is_void_v<R>)
        return R {};
}

// Turns a member function into an implementation, so that a class's own behaviour can be
// registered in its method table: cls->addMethod(sel, objc::implementation<&Type::member>).
template <auto Member> struct MemberImplementation;

template <class C, class R, class... A, R (C::*Member)(A...)> struct MemberImplementation<Member> {
    static R call(id self, SEL, A... args) { return (static_cast<C*>(self)->*Member)(args...); }
};

template <auto Member> inline constexpr auto implementation = &MemberImplementation<Member>::call;

} // namespace objc
