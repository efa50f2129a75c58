#include <poll.h>

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

#include "app/vlttime/run.h"
#include "platform/posix/posix_clock.h"

namespace {

volatile std::sig_atomic_t interrupted = 0;

void OnInterrupt(int) {
    interrupted = 1;
}

// Without SA_RESTART, so that Ctrl+C also cuts the current sleep short.
void CatchInterrupts() {
    struct sigaction action {};
    action.sa_handler = OnInterrupt;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

// poll without descriptors: a millisecond sleep that a signal ends early.
class PollSleeper final : public vc::vlttime::Sleeper {
  public:
    void SleepMs(int ms) override { poll(nullptr, 0, ms); }
};

}  // namespace

int main(int argc, char** argv) {
    CatchInterrupts();
    const std::vector<std::string_view> args(argv + 1, argv + argc);
    const vc::PosixLocalClock clock;
    PollSleeper sleeper;
    return vc::vlttime::Run(
        args, {clock, sleeper, std::cout, std::cerr, [] { return interrupted != 0; }});
}
