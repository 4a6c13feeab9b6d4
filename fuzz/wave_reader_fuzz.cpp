// Arbitrary bytes as a WAVE file: the reader must answer every one with an outcome and at
// most the right messages, leave no file or heap behind, and keep the analysis state whole.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/private_heap.h"
#include "platform/riff_io.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdialogs.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"
#include "wave/wave_refusal.h"

namespace {

class SilentResponder : public WSdialogResponder {
  public:
    std::optional<std::string> chooseFile(WSCfileSelect&) override { return std::nullopt; }
    void takeMessage(WSCmessageDialog& dialog) override {
        messages.emplace_back(dialog.getProperty(_WSNlabelString()).text());
    }
    std::vector<std::string> messages;
};

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

bool is_refusal_message(const std::string& text) {
    for (int r = static_cast<int>(WaveRefusal::fileNotFound);
         r <= static_cast<int>(WaveRefusal::dataShortRead); ++r) {
        if (text == waveRefusalMessage(static_cast<WaveRefusal>(r))) return true;
    }
    return false;
}

// The committed samples, as little-endian bytes, must stand somewhere in the input.
bool samples_come_from(const std::uint8_t* data, std::size_t size) {
    std::vector<std::uint8_t> wanted;
    for (long i = 0; i < maxsize; ++i) {
        const auto bits = static_cast<std::uint16_t>(siii[i]);
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
    SilentResponder responder;
    WSinstallDialogResponder(&responder);
    const WaveReadOutcome outcome = readWaveFile(path.c_str(), "0", "0");
    WSinstallDialogResponder(nullptr);

    require(heapLiveCount() == 0 && m_hHeap == nullptr, "the heap is destroyed");
    require(riffOpenCount() == 0, "the file is closed");
    require(maxsize >= 0 && maxsize <= kMaxWaveSamples, "maxsize within 0 ... 22050");
    if (outcome == WaveReadOutcome::refused) {
        require(responder.messages.size() == 1 && is_refusal_message(responder.messages[0]),
                "a refusal shows exactly one refusal message");
        require(siii == wave_before && maxsize == samples_before && sampleFreq == rate_before,
                "a refusal leaves the state alone");
    } else {
        require(siii != nullptr && sampleFreq == 44100, "an accepted file is loaded at 44100 Hz");
        const bool cut = maxsize == kMaxWaveSamples && responder.messages.size() == 1 &&
                         responder.messages[0] == kWaveLengthNotice;
        require(responder.messages.empty() || cut, "only the length notice, and only when cut");
        require(samples_come_from(data, size), "the samples are the file's");
    }
    return 0;
}
