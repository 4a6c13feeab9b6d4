#pragma once

// Why the reader refused a file: one value per cause, in the order the checks run.
enum class WaveRefusal {
    none,
    fileNotFound,
    riffNotFound,
    formatNotFound,
    formatNoMemory,
    formatShortRead,
    notSingleChannel,
    not44100Hz,
    not16Bits,
    dataNotFound,
    dataNoMemory,
    dataShortRead,
};

// The text the user is shown for a refusal; null for none.
const char* waveRefusalMessage(WaveRefusal refusal);

// Shown when a long file is cut to its first samples; loading goes on after it.
inline constexpr const char* kWaveLengthNotice =
    "Sorry, this program change parameter of wave length";
