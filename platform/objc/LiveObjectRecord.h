#pragma once

#include <cstdint>
#include <string>
#include <vector>

class NSObject;

namespace objc {

// Every object made once recording has started, with the simulated process it counts in
// (objc::Runtime::liveObjects counts them; this names them). Slower than the count: for tests,
// so that an object that outlives its process can be named.
class LiveObjectRecord {
public:
    static void start();
    static void made(const NSObject*, std::uint64_t generation);
    static void destroyed(const NSObject*);
    // The class names of the recorded objects of the generation still alive.
    static std::vector<std::string> classNames(std::uint64_t generation);
};

} // namespace objc
