#pragma once

namespace exporter {

/// While it lives, SIGINT, SIGTERM and SIGHUP no longer end the process at once: the signal is
/// noted, and the export asks `caught()` between templates, stops and takes back what it wrote.
/// The handling before it returns when it goes. One at a time.
class InterruptSignals
{
public:
    InterruptSignals();
    ~InterruptSignals();
    InterruptSignals(const InterruptSignals&) = delete;
    InterruptSignals& operator=(const InterruptSignals&) = delete;

    /// The first signal caught since it was made, or 0.
    static int caught();
    /// The exit status that reports `signal` as the shells do: 128 + its number.
    static int exitStatus(int signal) { return 128 + signal; }
};

} // namespace exporter
