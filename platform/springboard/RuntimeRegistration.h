#pragma once

#include "contracts/ClassMessages.h"

namespace springboard {

// Registers T::sharedInstance() as the class method `message` of cls.
template <class T>
void registerSharedInstance(
    Class cls, const objc::Message<std::shared_ptr<NSObject>()>& message = contracts::sharedInstance)
{
    cls->addClassMethod(
        message.selector(), +[](Class, SEL) -> std::shared_ptr<NSObject> { return T::sharedInstance(); });
}

} // namespace springboard
