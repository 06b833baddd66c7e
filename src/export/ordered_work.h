#pragma once

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <vector>

namespace exporter {

/// Threads worth drawing on: one a core, at least one.
inline unsigned coreCount()
{
    const unsigned cores = std::thread::hardware_concurrency();
    return cores > 0 ? cores : 1;
}

/// Runs produce(i) for i = 0 … count − 1 on up to `threads` worker threads and hands each result
/// to consume on the calling thread, in the order of i, so the work is done as if in one loop.
/// At most 2·threads results are made ahead of the one being consumed, so memory stays bounded.
/// What produce(i) throws is thrown here in i's turn, after every result before it was consumed;
/// what consume throws stops the workers and is thrown here. produce must only read what it
/// shares. With one thread or one item (or when no thread can be started) all runs on the
/// calling thread.
template <typename T, typename Produce, typename Consume>
void runInOrder(std::size_t count, unsigned threads, Produce&& produce, Consume&& consume)
{
    const auto inLoop = [&] {
        for (std::size_t i = 0; i < count; ++i)
            consume(produce(i));
    };
    if (threads <= 1 || count <= 1)
        return inLoop();

    struct Slot
    {
        std::optional<T> value;
        std::exception_ptr error;
        bool done = false;
    };
    const std::size_t window = 2 * static_cast<std::size_t>(threads);
    std::vector<Slot> waiting(window); // item i waits in slot i % window
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t next = 0, consumed = 0;
    bool stop = false;

    const auto work = [&] {
        for (;;) {
            std::size_t i = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stop || next >= count || next < consumed + window; });
                if (stop || next >= count)
                    return;
                i = next++;
            }
            Slot made;
            try {
                made.value.emplace(produce(i));
            } catch (...) {
                made.error = std::current_exception();
            }
            made.done = true;
            {
                std::lock_guard lock(mutex);
                waiting[i % window] = std::move(made);
            }
            changed.notify_all();
        }
    };

    /// Stops and joins the workers however the loop below ends.
    struct Workers
    {
        std::vector<std::thread> threads;
        std::mutex& mutex;
        std::condition_variable& changed;
        bool& stop;
        ~Workers()
        {
            {
                std::lock_guard lock(mutex);
                stop = true;
            }
            changed.notify_all();
            for (std::thread& t : threads)
                t.join();
        }
    } workers{{}, mutex, changed, stop};
    for (unsigned t = 0; t < threads; ++t) {
        try {
            workers.threads.emplace_back(work);
        } catch (const std::system_error&) {
            break; // as many as the system gives
        }
    }
    if (workers.threads.empty())
        return inLoop();

    for (std::size_t i = 0; i < count; ++i) {
        Slot taken;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return waiting[i % window].done; });
            taken = std::move(waiting[i % window]);
            waiting[i % window] = Slot{};
            ++consumed;
        }
        changed.notify_all();
        if (taken.error)
            std::rethrow_exception(taken.error);
        consume(std::move(*taken.value));
    }
}

} // namespace exporter
