// The excerpt picker's envelope of the ten-minute recording against a plain libsndfile read
// of the same file to floats, which is the least any envelope costs.
#include <benchmark/benchmark.h>

#include <vector>

#include "long_sounds.h"
#include "sound/sound_envelope.h"

namespace {

constexpr int kColumns = 600;
constexpr sf_count_t kBlockFrames = 16384;

void BM_envelope(benchmark::State& state) {
    const LongSounds& sounds = longSounds();
    for (auto _ : state) {
        SoundFile file(sounds.wave);
        benchmark::DoNotOptimize(envelopeOf(file, kColumns));
    }
}

void BM_decode_only(benchmark::State& state) {
    const LongSounds& sounds = longSounds();
    for (auto _ : state) {
        SF_INFO info{};
        SNDFILE* file = sf_open(sounds.wave.c_str(), SFM_READ, &info);
        std::vector<float> block(std::size_t(kBlockFrames * info.channels));
        while (sf_readf_float(file, block.data(), kBlockFrames) > 0)
            benchmark::DoNotOptimize(block.data());
        sf_close(file);
    }
}

BENCHMARK(BM_envelope)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_decode_only)->Unit(benchmark::kMillisecond);

}  // namespace
