#pragma once

#include "objc/Message.h"

#include <memory>
#include <type_traits>

// Class-side messages every contract shares, and the two ways Lumora obtains an object of a
// class it found by name: its shared instance, or a fresh one from a class-side initialiser.
// Both answer nothing when the class is absent (a null Class) or the object is not a C.
namespace contracts {

inline const objc::Message<std::shared_ptr<NSObject>()> sharedInstance { "sharedInstance" };

template <class C>
std::shared_ptr<C> shared(
    Class cls, const objc::Message<std::shared_ptr<NSObject>()>& message = sharedInstance)
{
    if (!cls)
        return nullptr;
    return std::dynamic_pointer_cast<C>(message.toClass(cls));
}

// The arguments are not deduced, so a literal can be passed where the message takes std::string.
template <class C, class... A>
std::shared_ptr<C> make(
    Class cls, const objc::Message<std::shared_ptr<NSObject>(A...)>& init, std::type_identity_t<A>... args)
{
    if (!cls)
        return nullptr;
    return std::dynamic_pointer_cast<C>(init.toClass(cls, std::move(args)...));
}

} // namespace contracts
