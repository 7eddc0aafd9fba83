#include "dispatch/Queue.h"

namespace {
dispatch_queue_s mainQueue { true };
dispatch_queue_s globalQueue { false };
} // namespace

dispatch_queue_t dispatch_get_main_queue()
{
    return &mainQueue;
}

dispatch_queue_t dispatch_get_global_queue(long, unsigned long)
{
    return &globalQueue;
}

void dispatch_async(dispatch_queue_t queue, std::function<void()> block)
{
    if (queue && queue->isMain)
        dispatch::RunLoop::main().post(std::move(block));
    else
        dispatch::RunLoop::main().runInBackground(std::move(block));
}

void dispatch_after(NSTimeInterval delay, dispatch_queue_t queue, std::function<void()> block)
{
    if (queue && !queue->isMain) {
        dispatch::RunLoop::main().postAfter(delay, [block = std::move(block)]() mutable {
            dispatch::RunLoop::main().runInBackground(std::move(block));
        });
        return;
    }
    dispatch::RunLoop::main().postAfter(delay, std::move(block));
}
