// Loading a WAVE file: the usual half second, a long file that is read whole before it is
// cut, and a file whose chunks before the data must all be stepped over.
#include <benchmark/benchmark.h>

#include <string>

#include "support/temp_dir.h"
#include "support/wave_builder.h"
#include "wave/wave_reader.h"

namespace {

using namespace wave_builder;

void loadRepeatedly(benchmark::State& state, const Bytes& file) {
    const TempDir dir;
    const std::string path = dir.write("bench.wav", file);
    for (auto _ : state) {
        benchmark::DoNotOptimize(readWaveFile(path.c_str()));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * file.size()));
}

void BM_LoadHalfSecond(benchmark::State& state) {
    loadRepeatedly(state, monoWave(pattern(22050)));
}

void BM_LoadTenSeconds(benchmark::State& state) {
    loadRepeatedly(state, monoWave(pattern(441000)));
}

void BM_LoadPastThousandChunks(benchmark::State& state) {
    Bytes chunks;
    for (int i = 0; i < 1000; ++i) {
        const Bytes junk = chunk("JUNK", Bytes(101, 0));
        chunks.insert(chunks.end(), junk.begin(), junk.end());
    }
    loadRepeatedly(state,
                   riff("WAVE", {fmtChunk(), chunks, chunk("data", sampleBytes(pattern(22050)))}));
}

BENCHMARK(BM_LoadHalfSecond);
BENCHMARK(BM_LoadTenSeconds);
BENCHMARK(BM_LoadPastThousandChunks);

}  // namespace
