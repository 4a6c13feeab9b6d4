#include "cli/file_threads.h"

#include <atomic>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

void runInThreads(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver) {
    if (workers <= 1) {
        for (std::size_t index = 0; index < count; ++index) {
            if (!deliver(index, work(index))) return;
        }
        return;
    }
    std::vector<std::optional<FileReport>> reports(count);
    std::atomic<std::size_t> next_file{0};
    std::atomic<bool> stopped{false};
    std::mutex done;
    std::condition_variable report_in;

    const auto worker = [&] {
        for (std::size_t index; !stopped && (index = next_file++) < count;) {
            FileReport report = work(index);
            const std::lock_guard lock(done);
            reports[index] = std::move(report);
            report_in.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned n = 0; n < workers; ++n) pool.emplace_back(worker);

    for (std::size_t index = 0; index < count; ++index) {
        std::unique_lock lock(done);
        report_in.wait(lock, [&] { return reports[index].has_value(); });
        const FileReport report = std::move(*reports[index]);
        reports[index].reset();
        lock.unlock();
        if (!deliver(index, report)) {
            stopped = true;
            return;
        }
    }
}
