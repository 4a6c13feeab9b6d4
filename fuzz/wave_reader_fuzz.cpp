// Arbitrary bytes as a WAVE file: the reader must answer every one with an outcome and the
// message that goes with it, leave no file or heap behind and the analysis state untouched,
// and keep only samples the file holds.
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "fuzz_input.h"
#include "platform/private_heap.h"
#include "platform/riff_io.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"
#include "wave/wave_refusal.h"

namespace {

bool isRefusalMessage(const char* text) {
    if (!text) return false;
    for (int r = static_cast<int>(WaveRefusal::fileNotFound);
         r <= static_cast<int>(WaveRefusal::dataShortRead); ++r) {
        if (std::strcmp(text, waveRefusalMessage(static_cast<WaveRefusal>(r))) == 0) return true;
    }
    return false;
}

// The samples kept, as little-endian bytes, must stand somewhere in the input. The check
// is the harness's own work: kept out of the coverage the fuzzer steers by, and a plain
// memmem rather than instrumented search code, it costs little per input.
__attribute__((no_sanitize("coverage"))) bool samplesComeFrom(const std::vector<short>& samples,
                                                              const std::uint8_t* data,
                                                              std::size_t size) {
    std::vector<std::uint8_t> wanted(2 * samples.size());
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const auto bits = static_cast<std::uint16_t>(samples[i]);
        wanted[2 * i] = static_cast<std::uint8_t>(bits);
        wanted[2 * i + 1] = static_cast<std::uint8_t>(bits >> 8);
    }
    return wanted.empty() || ::memmem(data, size, wanted.data(), wanted.size()) != nullptr;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static InputFile input;
    const std::string& path = input.hold(data, size);

    const short* wave_before = siii;
    const long samples_before = maxsize;
    const long rate_before = sampleFreq;
    const WaveRead read = readWaveFile(path.c_str());

    require(heapLiveCount() == 0 && m_hHeap == nullptr, "the heap is destroyed");
    require(riffOpenCount() == 0, "the file is closed");
    require(siii == wave_before && maxsize == samples_before && sampleFreq == rate_before,
            "reading leaves the analysis state alone");
    const std::size_t kept = read.samples.size();
    switch (read.outcome) {
        case WaveReadOutcome::refused:
            require(isRefusalMessage(read.message) && kept == 0,
                    "a refusal gives a refusal message and no samples");
            break;
        case WaveReadOutcome::cut:
            // By text: each translation unit may hold its own copy of the literal (ASan keeps
            // them apart), so the pointers need not be equal.
            require(read.message != nullptr && std::strcmp(read.message, kWaveLengthNotice) == 0 &&
                        kept == std::size_t{kMaxWaveSamples},
                    "a cut file gives the length notice and keeps the most samples");
            require(samplesComeFrom(read.samples, data, size), "the samples are the file's");
            break;
        case WaveReadOutcome::accepted:
            require(read.message == nullptr && kept <= std::size_t{kMaxWaveSamples},
                    "a file accepted whole gives no message and at most the most samples");
            require(samplesComeFrom(read.samples, data, size), "the samples are the file's");
            break;
    }
    return 0;
}
