#include "Interruption.h"

#include <csignal>

namespace {

volatile std::sig_atomic_t s_requested = 0;

void request(int signal)
{
    if (s_requested) {
        std::signal(signal, SIG_DFL);
        std::raise(signal);
        return;
    }
    s_requested = signal;
}

} // namespace

void Interruption::catchSignals()
{
    std::signal(SIGINT, request);
    std::signal(SIGTERM, request);
}

bool Interruption::requested()
{
    return s_requested != 0;
}
