#include "sound/reader_fallback.h"

#include <cstring>

#include "wave/wave_refusal.h"

bool converterMayOpen(const WaveRead& refused) {
    if (refused.outcome != WaveReadOutcome::refused || !refused.message) return false;
    for (const WaveRefusal refusal : {WaveRefusal::riffNotFound, WaveRefusal::notSingleChannel,
                                      WaveRefusal::not44100Hz, WaveRefusal::not16Bits}) {
        if (std::strcmp(refused.message, waveRefusalMessage(refusal)) == 0) return true;
    }
    return false;
}
