#include "cli/worker_pool.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "cli/cli_commands.h"

namespace {

// Frames on the pipes are plain bytes: a report is a 64-bit length, then its fields, each
// number 64 bits and each text a length and its bytes. Both ends are this same program.
using Number = std::uint64_t;

// Files a worker holds at once: the one it works on and the next, so that it never waits
// for this process to read a report before it can start on another file.
constexpr std::size_t kFilesPerWorker = 2;

// Room for a whole report of the largest spectrum, so that a worker writes it at once and
// goes on. Where the system allows less, the pipe keeps its default size.
constexpr int kReportPipeBytes = 1 << 20;

// Moves size bytes by repeated calls of transfer(done), which moves some of those not yet
// done and says how many; false when it moves none, the other end being gone.
template <typename Transfer>
bool transferAll(std::size_t size, Transfer transfer) {
    for (std::size_t done = 0; done < size;) {
        const ssize_t moved = transfer(done);
        if (moved < 0 && errno == EINTR) continue;
        if (moved <= 0) return false;
        done += static_cast<std::size_t>(moved);
    }
    return true;
}

bool writeAll(int fd, const char* data, std::size_t size) {
    return transferAll(size,
                       [&](std::size_t done) { return ::write(fd, data + done, size - done); });
}

bool readAll(int fd, char* data, std::size_t size) {
    return transferAll(size,
                       [&](std::size_t done) { return ::read(fd, data + done, size - done); });
}

void putNumber(std::string& frame, Number value) {
    frame.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void putText(std::string& frame, const std::string& text) {
    putNumber(frame, text.size());
    frame += text;
}

std::string encode(const FileReport& report) {
    std::string body;
    putNumber(body, static_cast<Number>(report.exit_code));
    putText(body, report.output);
    putText(body, report.error);
    putNumber(body, report.messages.size());
    for (const std::string& message : report.messages) putText(body, message);
    std::string frame;
    putNumber(frame, body.size());
    return frame + body;
}

// Reads a frame's fields back from the bytes after its length.
class FrameReader {
  public:
    explicit FrameReader(std::string body) : body_(std::move(body)) {}
    Number number() {
        Number value = 0;
        if (body_.size() - at_ >= sizeof value)
            std::memcpy(&value, body_.data() + at_, sizeof value);
        at_ = std::min(body_.size(), at_ + sizeof value);
        return value;
    }
    std::string text() {
        const Number size = std::min<Number>(number(), body_.size() - at_);
        std::string value = body_.substr(at_, size);
        at_ += size;
        return value;
    }

  private:
    std::string body_;
    std::size_t at_ = 0;
};

std::optional<FileReport> readReport(int fd) {
    Number size = 0;
    if (!readAll(fd, reinterpret_cast<char*>(&size), sizeof size)) return std::nullopt;
    std::string body(size, '\0');
    if (!readAll(fd, body.data(), body.size())) return std::nullopt;
    FrameReader frame(std::move(body));
    FileReport report;
    report.exit_code = static_cast<int>(frame.number());
    report.output = frame.text();
    report.error = frame.text();
    for (Number n = frame.number(); n > 0; --n) report.messages.push_back(frame.text());
    return report;
}

struct Worker {
    pid_t pid = -1;
    int jobs = -1;                  // this process writes the index of each file to do here
    int reports = -1;               // and reads each report from here, in the same order
    std::deque<std::size_t> files;  // given and not yet reported, the one it is on first
};

[[noreturn]] void serve(int jobs, int reports, const std::function<FileReport(std::size_t)>& work) {
    Number index = 0;
    while (readAll(jobs, reinterpret_cast<char*>(&index), sizeof index)) {
        const std::string frame = encode(work(static_cast<std::size_t>(index)));
        if (!writeAll(reports, frame.data(), frame.size())) break;
    }
    // Nothing of the parent's (buffers, exit handlers) is this process's to finish.
    ::_exit(kExitOk);
}

std::optional<Worker> spawn(const std::vector<Worker>& others,
                            const std::function<FileReport(std::size_t)>& work) {
    int jobs[2], reports[2];
    if (::pipe(jobs) != 0) return std::nullopt;
    if (::pipe(reports) != 0) {
        ::close(jobs[0]);
        ::close(jobs[1]);
        return std::nullopt;
    }
    ::fcntl(reports[1], F_SETPIPE_SZ, kReportPipeBytes);
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        // Another worker's pipes held open here would hide its end from the parent.
        for (const Worker& other : others) {
            if (other.jobs >= 0) ::close(other.jobs);
            if (other.reports >= 0) ::close(other.reports);
        }
        ::close(jobs[1]);
        ::close(reports[0]);
        serve(jobs[0], reports[1], work);
    }
    ::close(jobs[0]);
    ::close(reports[1]);
    if (pid < 0) {
        ::close(jobs[1]);
        ::close(reports[0]);
        return std::nullopt;
    }
    return Worker{pid, jobs[1], reports[0], {}};
}

std::string howItEnded(int status) {
    if (WIFSIGNALED(status)) {
        return "the worker process died of signal " + std::to_string(WTERMSIG(status)) + " (" +
               ::strsignal(WTERMSIG(status)) + ")";
    }
    return "the worker process ended with exit code " + std::to_string(WEXITSTATUS(status));
}

FileReport failedReport(std::string why) {
    FileReport report;
    report.exit_code = kExitFailed;
    report.error = std::move(why);
    return report;
}

}  // namespace

void runInWorkers(std::size_t count, unsigned workers,
                  const std::function<FileReport(std::size_t)>& work,
                  const std::function<bool(std::size_t, const FileReport&)>& deliver) {
    // A worker that died must show as the end of its pipe, not stop this process.
    std::signal(SIGPIPE, SIG_IGN);
    std::vector<std::optional<FileReport>> reports(count);
    std::size_t next_job = 0, next_delivery = 0;
    std::deque<std::size_t> orphans;  // given to a worker that died before it reached them
    bool stopped = false;
    std::vector<Worker> pool;

    const auto workLeft = [&]() { return !stopped && (!orphans.empty() || next_job < count); };
    const auto takeJob = [&]() {
        if (orphans.empty()) return next_job++;
        const std::size_t job = orphans.front();
        orphans.pop_front();
        return job;
    };
    const auto assign = [&](Worker& worker) {
        if (worker.jobs < 0) return;
        while (worker.files.size() < kFilesPerWorker && workLeft()) {
            const std::size_t job = takeJob();
            worker.files.push_back(job);
            const Number index = job;
            // Should it fail, the worker is gone and its pipe's end says so below.
            writeAll(worker.jobs, reinterpret_cast<const char*>(&index), sizeof index);
        }
        if (!workLeft()) {
            // The worker finishes what it holds, then ends.
            ::close(worker.jobs);
            worker.jobs = -1;
        }
    };
    const auto start = [&]() {
        while (pool.size() < workers && workLeft()) {
            std::optional<Worker> worker = spawn(pool, work);
            if (!worker) {
                reports[takeJob()] = failedReport(std::string("cannot start a worker process: ") +
                                                  std::strerror(errno));
                if (!pool.empty()) return;  // the running ones carry on
                continue;
            }
            pool.push_back(std::move(*worker));
            assign(pool.back());
        }
    };
    const auto deliverReady = [&]() {
        while (next_delivery < count && reports[next_delivery]) {
            if (!stopped && !deliver(next_delivery, *reports[next_delivery])) stopped = true;
            reports[next_delivery].reset();
            ++next_delivery;
        }
    };

    start();
    deliverReady();
    while (!pool.empty()) {
        std::vector<pollfd> ends;
        for (const Worker& worker : pool) ends.push_back({worker.reports, POLLIN, 0});
        if (::poll(ends.data(), ends.size(), -1) < 0) {
            if (errno == EINTR) continue;
            break;
        }
        for (std::size_t i = 0; i < pool.size(); ++i) {
            if (ends[i].revents == 0) continue;
            Worker& worker = pool[i];
            if (std::optional<FileReport> report = readReport(worker.reports)) {
                reports[worker.files.front()] = std::move(*report);
                worker.files.pop_front();
                assign(worker);
                continue;
            }
            // The end of the pipe: the worker has finished, or died.
            ::close(worker.reports);
            if (worker.jobs >= 0) ::close(worker.jobs);
            int status = 0;
            while (::waitpid(worker.pid, &status, 0) < 0 && errno == EINTR) {
            }
            if (!worker.files.empty()) {
                reports[worker.files.front()] = failedReport(howItEnded(status));
                worker.files.pop_front();
                orphans.insert(orphans.begin(), worker.files.begin(), worker.files.end());
            }
            worker.pid = -1;
        }
        std::erase_if(pool, [](const Worker& worker) { return worker.pid < 0; });
        deliverReady();
        start();
        deliverReady();
    }
}
