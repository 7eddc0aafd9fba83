#include "dispatch/Once.h"

#include "objc/Runtime.h"

#include <stdexcept>

void dispatch_once(dispatch_once_t* token, const std::function<void()>& block)
{
    auto generation = objc::Runtime::processGeneration();
    if (token->doneInGeneration.load(std::memory_order_acquire) == generation)
        return;
    if (token->runner.load() == std::this_thread::get_id())
        throw std::logic_error("dispatch_once called again from inside its own block");
    std::lock_guard lock(token->mutex);
    if (token->doneInGeneration.load(std::memory_order_relaxed) == generation)
        return;
    token->runner.store(std::this_thread::get_id());
    struct ClearRunner {
        dispatch_once_t* token;
        ~ClearRunner() { token->runner.store({}); }
    } clear { token };
    block();
    token->doneInGeneration.store(generation, std::memory_order_release);
}
