// sefaro-cli over a corpus of 1000 half-second files, "spectrum --format csv": a process per
// file, as a shell loop runs it, against one run over the whole list with one worker and
// with two. files_per_second is the figure to compare.
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

constexpr int kFiles = 1000;
constexpr std::size_t kHalfSecond = 22050;

// The corpus: tones 20 Hz apart, from 20 Hz to 20 kHz, so no two files are alike.
struct Corpus {
    Corpus() {
        std::ofstream list(dir.path() / "list");
        for (int f = 0; f < kFiles; ++f) {
            const auto tone = wave_builder::sine(20.0 * (f + 1), 9000, kHalfSecond);
            files.push_back(
                dir.write("tone" + std::to_string(f) + ".wav", wave_builder::monoWave(tone)));
            list << files.back() << '\n';
        }
    }
    TempDir dir;
    std::vector<std::string> files;
    std::string list() const { return (dir.path() / "list").string(); }
};

const Corpus& corpus() {
    static const Corpus made;
    return made;
}

// Runs sefaro-cli with these arguments, its output thrown away; its exit code.
int runCli(std::vector<std::string> args) {
    args.insert(args.begin(), SEFARO_CLI);
    std::vector<char*> argv;
    for (std::string& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int status = -1;
    if (posix_spawn(&pid, SEFARO_CLI, &actions, nullptr, argv.data(), environ) == 0)
        waitpid(pid, &status, 0);
    posix_spawn_file_actions_destroy(&actions);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void filesPerSecond(benchmark::State& state) {
    state.counters["files_per_second"] =
        benchmark::Counter(kFiles, benchmark::Counter::kIsIterationInvariantRate);
}

void BM_process_per_file(benchmark::State& state) {
    const Corpus& files = corpus();
    for (auto _ : state) {
        for (const std::string& file : files.files) {
            if (runCli({"spectrum", "--format", "csv", file}) != 0) state.SkipWithError("failed");
        }
    }
    filesPerSecond(state);
}

void BM_one_run(benchmark::State& state) {
    const Corpus& files = corpus();
    const std::string workers = std::to_string(state.range(0));
    for (auto _ : state) {
        if (runCli({"spectrum", "--format", "csv", "-j", workers, "--files-from", files.list()}) !=
            0)
            state.SkipWithError("failed");
    }
    filesPerSecond(state);
}

}  // namespace

BENCHMARK(BM_process_per_file)->Unit(benchmark::kSecond)->Iterations(1)->UseRealTime();
BENCHMARK(BM_one_run)
    ->ArgName("workers")
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kSecond)
    ->Iterations(3)
    ->UseRealTime();
