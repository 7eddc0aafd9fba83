#pragma once

#include "dispatch/Once.h"
#include "objc/Runtime.h"

#include <memory>

namespace dispatch {

// The one T of the simulated process, made on first use under dispatch_once and kept until the
// process ends: the body of every sharedInstance.
template <class T> std::shared_ptr<T> sharedInstance()
{
    static dispatch_once_t once;
    static std::shared_ptr<T> shared;
    dispatch_once(&once, [] {
        shared = T::create();
        objc::Runtime::atProcessEnd(objc::ProcessEndStage::SharedInstances, [] {
            // Out of the slot before it goes, so its destructor finds no half-released instance.
            [[maybe_unused]] auto ended = std::move(shared);
        });
    });
    return shared;
}

} // namespace dispatch
