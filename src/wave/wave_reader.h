#pragma once

#include <cstddef>

// Reads a RIFF WAVE file of the one kind the program analyses: one channel, 44100 samples
// per second, 16 bits per sample. Chunks before "fmt " and between "fmt " and "data" are
// skipped; the format tag is not checked.
//
// Accepted: siii holds the first samples of the data chunk (at most kMaxWaveSamples; a
// longer file is cut after the length notice), maxsize their number (an odd last byte is
// dropped), sampleFreq 44100. Refused: the reason's message was shown and the analysis
// state is exactly as before. Either way the file is closed and m_hHeap is destroyed and
// null again when the call returns.
//
// Every message goes to the shared message dialog placed at x_text, y_text (decimal texts).
// heap_limit_bytes caps the temporary buffers of the load; 0 lets them grow as needed.
enum class WaveReadOutcome { accepted, refused };

inline constexpr long kMaxWaveSamples = 22050;  // half a second at 44100 Hz

WaveReadOutcome readWaveFile(const char* path, const char* x_text, const char* y_text,
                             std::size_t heap_limit_bytes = 0);
