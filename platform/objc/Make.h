#pragma once

#include <memory>
#include <type_traits>
#include <utility>

namespace objc {

// The one way to construct an object whose set-up is two-phase (a constructor, then `init()`, as
// `new` does). Its constructor takes a ConstructionKey, which only objc::make can create, so
// `std::make_shared<T>()` does not compile and set-up cannot be skipped. A class whose `init` is
// private names `friend struct objc::Construction;`.
class ConstructionKey {
    ConstructionKey() = default;
    friend struct Construction;
};

struct Construction {
    // An `init` answering false means the object could not be set up: then nothing.
    template <class T, class... Args> static std::shared_ptr<T> make(Args&&... args)
    {
        auto object = std::make_shared<T>(ConstructionKey {}, std::forward<Args>(args)...);
        if constexpr (std::is_same_v<decltype(object->init()), bool>)
            return object->init() ? object : nullptr;
        else {
            object->init();
            return object;
        }
    }
};

template <class T, class... Args> std::shared_ptr<T> make(Args&&... args)
{
    return Construction::make<T>(std::forward<Args>(args)...);
}

} // namespace objc
