// Arbitrary bytes as a WAVE file: the reader must answer every one with an outcome and the
// message that goes with it, leave no file or heap behind and the analysis state untouched,
// and keep only samples the file holds.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/private_heap.h"
#include "platform/riff_io.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"
#include "wave/wave_refusal.h"

namespace {

void require(bool condition, const char* what) {
    if (!condition) {
        std::fprintf(stderr, "invariant broken: %s\n", what);
        std::abort();
    }
}

// One file, rewritten for every input and removed at exit.
const std::string& input_path() {
    static const std::string path = [] {
        const auto p = std::filesystem::temp_directory_path() /
                       ("sefaro-fuzz-" + std::to_string(::getpid()) + ".wav");
        std::atexit([] { std::remove(input_path().c_str()); });
        return p.string();
    }();
    return path;
}

bool is_refusal_message(const char* text) {
    if (!text) return false;
    for (int r = static_cast<int>(WaveRefusal::fileNotFound);
         r <= static_cast<int>(WaveRefusal::dataShortRead); ++r) {
        if (std::strcmp(text, waveRefusalMessage(static_cast<WaveRefusal>(r))) == 0) return true;
    }
    return false;
}

// The samples kept, as little-endian bytes, must stand somewhere in the input.
bool samples_come_from(const std::vector<short>& samples, const std::uint8_t* data,
                       std::size_t size) {
    std::vector<std::uint8_t> wanted;
    for (short sample : samples) {
        const auto bits = static_cast<std::uint16_t>(sample);
        wanted.push_back(static_cast<std::uint8_t>(bits));
        wanted.push_back(static_cast<std::uint8_t>(bits >> 8));
    }
    const std::boyer_moore_horspool_searcher searcher(wanted.begin(), wanted.end());
    return std::search(data, data + size, searcher) != data + size;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string& path = input_path();
    std::FILE* out = std::fopen(path.c_str(), "wb");
    require(out != nullptr, "temporary file can be written");
    require(std::fwrite(data, 1, size, out) == size, "temporary file takes the input");
    std::fclose(out);

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
        require(is_refusal_message(read.message) && kept == 0,
                "a refusal gives a refusal message and no samples");
        break;
    case WaveReadOutcome::cut:
        // By text: each translation unit may hold its own copy of the literal (ASan keeps
        // them apart), so the pointers need not be equal.
        require(read.message != nullptr && std::strcmp(read.message, kWaveLengthNotice) == 0 &&
                    kept == std::size_t{kMaxWaveSamples},
                "a cut file gives the length notice and keeps the most samples");
        require(samples_come_from(read.samples, data, size), "the samples are the file's");
        break;
    case WaveReadOutcome::accepted:
        require(read.message == nullptr && kept <= std::size_t{kMaxWaveSamples},
                "a file accepted whole gives no message and at most the most samples");
        require(samples_come_from(read.samples, data, size), "the samples are the file's");
        break;
    }
    return 0;
}
