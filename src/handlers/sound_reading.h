#pragma once

#include <optional>
#include <string>

#include "handlers/wave_load_display.h"
#include "wave/wave_reader.h"

// The wave of the file at path, which a file dialog confirmed, read as a file handed in from
// outside is, but not kept: the reader's, or the excerpt the picker chooses when the reader
// refuses the file for a reason the converter mends; its messages shown at place. Nothing
// when it is refused or the picker cancelled.
std::optional<WaveRead> readSoundWave(const DialogPlace& place, const std::string& path);
