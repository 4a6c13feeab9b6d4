#include "cli/file_batch.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "cli/cli_commands.h"
#include "cli/file_list.h"
#include "cli/file_threads.h"
#include "cli/multi_file_output.h"
#include "cli/progress_line.h"
#include "cli/worker_pool.h"
#include "numbers/whole_number.h"

namespace {

// Without -j, a worker for every this many files, up to one per idle core: a short run is
// over before a second worker would pay for itself, and where other programs keep the cores
// busy a second worker only takes turns with the first.
constexpr std::size_t kFilesPerDefaultWorker = 32;

unsigned defaultWorkers(std::size_t files) {
    const long cores = std::max(::sysconf(_SC_NPROCESSORS_ONLN), 1L);
    double load = 0;  // runnable processes over the last minute
    const bool known = ::getloadavg(&load, 1) == 1 && std::isfinite(load) && load >= 0;
    const long busy = known ? static_cast<long>(std::min(load, static_cast<double>(cores))) : 0;
    const auto idle = static_cast<std::size_t>(std::max(cores - busy, 1L));
    const std::size_t useful = std::max<std::size_t>(files / kFilesPerDefaultWorker, 1);
    return static_cast<unsigned>(std::min(useful, idle));
}

// A command's own options and flags with those that choose the files, the workers and the
// source.
CommandSyntax fileBatchSyntax(std::vector<std::string_view> own_options,
                              std::vector<std::string_view> own_flags) {
    own_options.insert(own_options.end(), {"files-from", "j|jobs", kFromOption, kChannelOption});
    own_flags.insert(own_flags.end(), {"H|with-filename", kWaveSourceFlag});
    return {.options = std::move(own_options), .flags = std::move(own_flags)};
}

}  // namespace

std::optional<ArgumentsAndFiles> fileBatch(const char* command, int argc, char** argv,
                                           std::vector<std::string_view> own_options,
                                           int& exit_code,
                                           std::vector<std::string_view> own_flags) {
    std::string error;
    auto arguments = splitArguments(
        argc, argv, fileBatchSyntax(std::move(own_options), std::move(own_flags)), error);
    if (!arguments) {
        exit_code = commandUsageError(command, error);
        return std::nullopt;
    }
    FileBatch batch;
    auto source = waveSource(*arguments, error);
    if (!source) {
        exit_code = commandUsageError(command, error);
        return std::nullopt;
    }
    batch.source = std::move(*source);
    std::optional<unsigned> workers;
    if (const std::string* text = arguments->option("j")) {
        const std::optional<long> jobs = wholeNumber(*text);
        if (!jobs || *jobs < 1 || *jobs > 1024) {
            exit_code = commandUsageError(
                command, "jobs \"" + *text + "\" is not a whole number from 1 to 1024");
            return std::nullopt;
        }
        workers = static_cast<unsigned>(*jobs);
    }
    const std::string* list = arguments->option("files-from");
    auto files = readFileList(arguments->operands, list, error);
    if (!files) {
        exit_code = commandError(command, error, kExitFailed);
        return std::nullopt;
    }
    batch.files = std::move(*files);
    batch.workers = workers.value_or(defaultWorkers(batch.files.size()));
    batch.many_files = list || batch.files.size() > 1 || arguments->flag("H");
    if (batch.files.empty() || (!batch.many_files && batch.files[0].empty())) {
        exit_code = commandUsageError(command, list ? "the list names no FILE" : "FILE is missing");
        return std::nullopt;
    }
    return ArgumentsAndFiles{std::move(*arguments), std::move(batch)};
}

int runFileBatch(const char* command, const FileBatch& batch, const std::string& header,
                 const std::function<FileReport(std::size_t file_index)>& work, Workers kind) {
    if (!batch.many_files) {
        const FileReport report = work(0);
        if (!writeFileReport(batch.files[0], report))
            return commandError(command, "cannot write to standard output", kExitFailed);
        return report.exit_code;
    }
    if (!writeToStdout(header))
        return commandError(command, "cannot write to standard output", kExitFailed);
    ProgressLine progress(batch.files.size());
    int exit_code = kExitOk;
    bool output_failed = false;
    const auto deliver = [&](std::size_t index, const FileReport& report) {
        if (!report.messages.empty() || !report.error.empty()) progress.clear();
        if (!writeFileReport(batch.files[index], report)) {
            output_failed = true;
            return false;
        }
        exit_code = std::max(exit_code, report.exit_code);
        progress.update(index + 1);
        return true;
    };
    const auto workers =
        static_cast<unsigned>(std::min<std::size_t>(batch.workers, batch.files.size()));
    if (kind == Workers::threads)
        runInThreads(batch.files.size(), workers, work, deliver);
    else
        runInWorkers(batch.files.size(), workers, work, deliver);
    progress.clear();
    if (output_failed) return commandError(command, "cannot write to standard output", kExitFailed);
    return exit_code;
}
