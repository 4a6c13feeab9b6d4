#include "cli/file_threads.h"

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace {

// Reports a worker may hold beyond the next one to deliver, per worker: enough that the
// workers never wait for a busy machine to schedule the writer, few enough that one slow
// file (a stalled disk) does not let them pile up the outputs of a whole corpus.
constexpr std::size_t kFilesAheadPerWorker = 256;

}  // namespace

void runInThreads(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver) {
    if (workers <= 1) {
        for (std::size_t index = 0; index < count; ++index) {
            if (!deliver(index, work(index))) return;
        }
        return;
    }
    const std::size_t ahead = kFilesAheadPerWorker * workers;
    std::vector<std::optional<FileReport>> reports(count);
    // All under the lock: the next file to take, the next to deliver, and whether to stop.
    std::mutex lock;
    std::condition_variable report_in, room;
    std::size_t next_file = 0, next_delivery = 0;
    bool stopped = false;

    const auto worker = [&] {
        std::unique_lock held(lock);
        while (true) {
            room.wait(held, [&] { return stopped || next_file < next_delivery + ahead; });
            if (stopped || next_file >= count) return;
            const std::size_t index = next_file++;
            held.unlock();
            FileReport report = work(index);
            held.lock();
            reports[index] = std::move(report);
            // The writer waits for no other.
            if (index == next_delivery) report_in.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    for (unsigned n = 0; n < workers; ++n) pool.emplace_back(worker);

    for (std::size_t index = 0; index < count && !stopped; ++index) {
        std::unique_lock held(lock);
        report_in.wait(held, [&] { return reports[index].has_value(); });
        const FileReport report = std::move(*reports[index]);
        reports[index].reset();
        held.unlock();
        const bool delivered = deliver(index, report);
        held.lock();
        next_delivery = index + 1;
        stopped = !delivered;
        room.notify_all();
    }
}
