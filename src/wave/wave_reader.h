#pragma once

#include <cstddef>
#include <vector>

// Reads a RIFF WAVE file of the one kind the program analyses: one channel, 44100 samples
// per second, 16 bits per sample. Chunks before "fmt " and between "fmt " and "data" are
// skipped; the format tag is not checked.
//
// Reading touches no analysis state and shows nothing: it says what became of the file and
// what the user must be told, and keepWave then makes an accepted file the loaded wave. The
// file is closed and m_hHeap is destroyed and null again when readWaveFile returns.
// heap_limit_bytes caps the temporary buffers of the read; 0 lets them grow as needed.
enum class WaveReadOutcome {
    accepted,  // the whole data chunk is kept
    cut,       // longer than kMaxWaveSamples: its first kMaxWaveSamples are kept
    refused,   // nothing is kept
};

inline constexpr long kMaxWaveSamples = 22050;  // half a second at 44100 Hz

struct WaveRead {
    WaveReadOutcome outcome = WaveReadOutcome::refused;
    // The text the user must read: the reason of a refusal, the length notice of a cut file;
    // null for a file accepted whole.
    const char* message = nullptr;
    // The samples kept, in file order (an odd last byte of data is dropped); empty when
    // refused.
    std::vector<short> samples;
};

WaveRead readWaveFile(const char* path, std::size_t heap_limit_bytes = 0);

// Replaces the loaded wave (siii, maxsize, sampleFreq) with the samples of a read that was
// not refused. The previous wave's buffer is released first.
void keepWave(const WaveRead& read);
