#include "wave/wave_refusal.h"

#include <iterator>

namespace {

struct RefusalText {
    WaveRefusal refusal;
    const char* message;
};

// The texts the user reads, exactly as the message dialog, sefaro-cli and replay records
// show them.
constexpr RefusalText kMessages[] = {
    {WaveRefusal::fileNotFound, "file not found"},
    {WaveRefusal::riffNotFound, "riff chunk not found"},
    {WaveRefusal::formatNotFound, "format chunk not found"},
    {WaveRefusal::formatNoMemory, "can not alloc heap memory for format data"},
    {WaveRefusal::formatShortRead, "can not read format data"},
    {WaveRefusal::notSingleChannel, "Sorry, this program is for single-channel only"},
    {WaveRefusal::not44100Hz, "Sorry, this program need 44100 SamplePerSec"},
    {WaveRefusal::not16Bits, "Sorry, this program need 16 BitsPerSample"},
    {WaveRefusal::dataNotFound, "data chunk not found"},
    {WaveRefusal::dataNoMemory, "can not alloc heap memory for wave data"},
    {WaveRefusal::dataShortRead, "can not read wave data"},
};

}  // namespace

const char* waveRefusalMessage(WaveRefusal refusal) {
    for (const RefusalText& entry : kMessages) {
        if (entry.refusal == refusal) return entry.message;
    }
    return nullptr;
}
