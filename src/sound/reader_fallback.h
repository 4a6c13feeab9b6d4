#pragma once

#include "wave/wave_reader.h"

// Whether a file the reader refused is one for the converter: a file that is no RIFF WAVE
// ("riff chunk not found") or one of another channel count, rate or sample size. Any other
// refusal (missing, damaged, not a sound) keeps the reader's message.
bool converterMayOpen(const WaveRead& refused);
