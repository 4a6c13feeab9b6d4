// sefaro-cli over a corpus of generated one-channel files of 5 000 to 22 050 samples, against
// what a user would write instead (bench/numpy_reference.py, NumPy and SciPy) in the same run:
// spectrum, peaks and info over 1000 files with one worker; the default number of workers
// against -j 1 over 1, 10, 100 and 1000 files; -j 2 against -j 1 over 2000; and, once, a
// process per file, as a shell loop runs it. Compare the medians of the 5 repetitions.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/wave_builder.h"

extern char** environ;

namespace {

constexpr int kFiles = 2000;
constexpr int kReferenceFiles = 1000;
constexpr std::size_t kShortest = 5000, kLongest = 22050;

// Tones 20 Hz apart and lengths spread over the whole range, so no two files are alike;
// listN names the first N of them.
struct Corpus {
    Corpus() {
        for (int f = 0; f < kFiles; ++f) {
            const std::size_t samples =
                kShortest + std::size_t(f) * 7919 % (kLongest - kShortest + 1);
            const auto tone = wave_builder::sine(20.0 * (f % 1000 + 1), 9000, samples);
            files.push_back(
                dir.write("tone" + std::to_string(f) + ".wav", wave_builder::monoWave(tone)));
        }
    }
    std::string list(int count) const {
        const std::string path = (dir.path() / ("list" + std::to_string(count))).string();
        std::ofstream list(path);
        for (int f = 0; f < count; ++f) list << files[std::size_t(f)] << '\n';
        return path;
    }
    TempDir dir;
    std::vector<std::string> files;
};

const Corpus& corpus() {
    static const Corpus made;
    return made;
}

// Runs program with these arguments, its output thrown away; its exit code.
int run(const std::string& program, std::vector<std::string> args) {
    args.insert(args.begin(), program);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawnp(&pid, program.c_str(), &actions, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void timeRuns(benchmark::State& state, const std::string& program,
              const std::vector<std::string>& args, int files) {
    for (auto _ : state) {
        if (run(program, args) != 0) state.SkipWithError("failed");
    }
    state.counters["files_per_second"] =
        benchmark::Counter(files, benchmark::Counter::kIsIterationInvariantRate);
}

// Debian's interpreter, for which python3-numpy and python3-scipy are installed.
void BM_numpy_reference(benchmark::State& state) {
    timeRuns(state, "/usr/bin/python3", {SEFARO_NUMPY_REFERENCE, corpus().list(kReferenceFiles)},
             kReferenceFiles);
}

// One process, one worker, as the reference runs.
void BM_command(benchmark::State& state, const char* command) {
    timeRuns(state, SEFARO_CLI,
             {command, "-j", "1", "--files-from", corpus().list(kReferenceFiles)}, kReferenceFiles);
}

// workers 0: -j left out.
void BM_spectrum_workers(benchmark::State& state) {
    const int files = int(state.range(0));
    std::vector<std::string> args = {"spectrum", "--files-from", corpus().list(files)};
    if (state.range(1) > 0) args.insert(args.end(), {"-j", std::to_string(state.range(1))});
    timeRuns(state, SEFARO_CLI, args, files);
}

// A shell loop's way, timed once: it costs a process start per file.
void BM_process_per_file(benchmark::State& state) {
    for (auto _ : state) {
        for (int f = 0; f < kReferenceFiles; ++f) {
            if (run(SEFARO_CLI, {"spectrum", corpus().files[std::size_t(f)]}) != 0)
                state.SkipWithError("failed");
        }
    }
    state.counters["files_per_second"] =
        benchmark::Counter(kReferenceFiles, benchmark::Counter::kIsIterationInvariantRate);
}

void fiveRuns(benchmark::internal::Benchmark* bench) {
    bench->Unit(benchmark::kMillisecond)
        ->Iterations(1)
        ->Repetitions(5)
        ->ReportAggregatesOnly(true)
        ->UseRealTime();
}

}  // namespace

BENCHMARK(BM_numpy_reference)->Apply(fiveRuns);
BENCHMARK_CAPTURE(BM_command, spectrum, "spectrum")->Apply(fiveRuns);
BENCHMARK_CAPTURE(BM_command, peaks, "peaks")->Apply(fiveRuns);
BENCHMARK_CAPTURE(BM_command, info, "info")->Apply(fiveRuns);
BENCHMARK(BM_spectrum_workers)
    ->ArgNames({"files", "workers"})
    ->ArgsProduct({{1, 10, 100, 1000}, {0, 1}})
    ->Args({2000, 1})
    ->Args({2000, 2})
    ->Apply(fiveRuns);
BENCHMARK(BM_process_per_file)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
