#pragma once

#include <optional>
#include <string>

#include "cli/arguments.h"
#include "cli/file_report.h"
#include "sound/sound_excerpt.h"

class CliWindow;

// How a per-file command (info, spectrum, peaks, render) gets its wave: the one place that
// chooses between the reader, as "select WAVE" reads a file, and the converter (--convert),
// which takes the excerpt from --from SECONDS (default 0) of --channel mean|1|2|… (default
// mean), as Open any sound's picker would.
struct WaveSource {
    bool convert = false;
    ExcerptRequest excerpt;
    std::string from_text = "0";  // --from as given, for the messages
};

// The options and the flag every per-file command takes for it.
inline constexpr const char* kWaveSourceFlag = "convert";
inline constexpr const char* kFromOption = "from";
inline constexpr const char* kChannelOption = "channel";

// The source from the command's arguments; nothing, with error set to one line, when a value
// is wrong or --from or --channel comes without --convert.
std::optional<WaveSource> waveSource(const CommandArguments& arguments, std::string& error);

// The wave of file as the command analyses it, read with no window: what the reader gives,
// or the converter's excerpt. report holds the messages a user would read and, when the
// file gives no wave, its exit code (kExitRefused, or kExitUsage for a start past the end
// or a channel the file lacks) and one line saying why.
struct CommandWave {
    WaveRead read;
    std::optional<SoundExcerpt> excerpt;  // set with --convert
    FileReport report;
};
CommandWave commandWave(const std::string& file, const WaveSource& source);

// Loads file into the window as the user would, "select WAVE" or Open any sound, and
// reports as commandWave does; the window's wave is then the file's.
FileReport loadCommandWave(CliWindow& window, const std::string& file, const WaveSource& source);
