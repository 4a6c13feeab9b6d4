#include "cli/file_threads.h"

#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

void runInThreads(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver) {
    // All under the lock: the next file to take, the next to deliver, and whether to stop.
    std::mutex lock;
    std::condition_variable turn;
    std::size_t next_file = 0, next_delivery = 0;
    bool stopped = false;

    // Each worker delivers its own report when its turn comes, so that a report is written
    // while its text is still in the cache, and no more than one per worker waits.
    const auto worker = [&] {
        std::unique_lock held(lock);
        while (!stopped && next_file < count) {
            const std::size_t index = next_file++;
            held.unlock();
            const FileReport report = work(index);
            held.lock();
            turn.wait(held, [&] { return next_delivery == index; });
            // After a stop the turns still pass, so that no worker waits for ever.
            if (!stopped) stopped = !deliver(index, report);
            ++next_delivery;
            turn.notify_all();
        }
    };
    std::vector<std::jthread> helpers;
    for (unsigned n = 1; n < workers; ++n) helpers.emplace_back(worker);
    worker();
}
