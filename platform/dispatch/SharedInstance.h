#pragma once

#include "dispatch/Once.h"

#include <memory>

namespace dispatch {

// The one T of the simulated process, made on first use under dispatch_once and kept for the
// rest of the process: the body of every sharedInstance.
template <class T> std::shared_ptr<T> sharedInstance()
{
    static dispatch_once_t once;
    static std::shared_ptr<T> shared;
    dispatch_once(&once, [] { shared = T::create(); });
    return shared;
}

} // namespace dispatch
