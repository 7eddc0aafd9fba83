#pragma once

#include "dispatch/RunLoop.h"

#include <functional>

// The queues of libdispatch, on the main run loop. The main queue runs on the main thread;
// the global queues run on a worker thread.
struct dispatch_queue_s {
    bool isMain;
};
using dispatch_queue_t = dispatch_queue_s*;

enum : long { DISPATCH_QUEUE_PRIORITY_DEFAULT = 0 };

dispatch_queue_t dispatch_get_main_queue();
dispatch_queue_t dispatch_get_global_queue(long priority, unsigned long flags);
void dispatch_async(dispatch_queue_t queue, std::function<void()> block);
void dispatch_after(NSTimeInterval delay, dispatch_queue_t queue, std::function<void()> block);
