#include "export/interrupt_signals.h"

#include <atomic>
#include <csignal>
#include <iterator>

namespace exporter {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<int> g_caught{0};
static_assert(std::atomic<int>::is_always_lock_free, "the signal handler may only touch lock-free atomics");

struct sigaction g_before[std::size(kSignals)];

void noteSignal(int signal)
{
    int none = 0;
    g_caught.compare_exchange_strong(none, signal);
}

} // namespace

InterruptSignals::InterruptSignals()
{
    g_caught = 0;
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        // A signal ignored from the start (nohup, a background job) stays ignored.
        if (::sigaction(kSignals[i], nullptr, &g_before[i]) == 0 && g_before[i].sa_handler != SIG_IGN)
            ::sigaction(kSignals[i], &action, nullptr);
    }
}

InterruptSignals::~InterruptSignals()
{
    for (std::size_t i = 0; i < std::size(kSignals); ++i)
        ::sigaction(kSignals[i], &g_before[i], nullptr);
}

int InterruptSignals::caught() { return g_caught.load(); }

} // namespace exporter
