#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/command_wave.h"
#include "cli/file_report.h"

// The files a per-file command (info, spectrum, peaks, render) works through and how: FILE…
// and --files-from LIST name them; one FILE alone keeps the one-file form of the output,
// several, a list or -H (--with-filename) ask for the many-files form; -j N (--jobs) shares
// them among N workers, by default one per idle core once there are enough files to gain;
// --convert, --from and --channel say how each file gives its wave.
struct FileBatch {
    std::vector<std::string> files;
    bool many_files = false;
    unsigned workers = 1;
    WaveSource source;
};

// A batch and the arguments it was taken from.
struct ArgumentsAndFiles {
    CommandArguments arguments;
    FileBatch batch;
};

// The batch from a command's arguments (own_options and own_flags besides those that choose
// the files and the workers). Nothing when no file is named, the list cannot be read, N is no whole
// number of at least 1 or the arguments are wrong otherwise: the error has then been printed, and
// exit_code is the command's exit code (kExitUsage or kExitFailed).
std::optional<ArgumentsAndFiles> fileBatch(const char* command, int argc, char** argv,
                                           std::vector<std::string_view> own_options,
                                           int& exit_code,
                                           std::vector<std::string_view> own_flags = {});

// What the batch's workers are: threads for work that needs no window (it touches no
// analysis state), processes for work that drives the window, of which a process has one.
enum class Workers { threads, processes };

// Runs work on every file of the batch and writes each report, in the order the files were
// given, in the batch's form; header (with its newline) comes first in the many-files
// form. Returns the largest exit code of the files, or kExitFailed when stdout failed.
int runFileBatch(const char* command, const FileBatch& batch, const std::string& header,
                 const std::function<FileReport(std::size_t file_index)>& work, Workers kind);
