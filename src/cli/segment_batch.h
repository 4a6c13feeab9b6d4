#pragma once

#include <cstddef>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/arguments.h"
#include "cli/cli_window.h"
#include "cli/file_batch.h"
#include "cli/file_report.h"
#include "cli/segment_request.h"
#include "report/segment_report.h"

// What spectrum, peaks and render share: their arguments, the files they work through and
// the segment they show in each.
struct SegmentBatch {
    CommandArguments arguments;
    FileBatch batch;
    SegmentRequest segment;
};

// The batch from a command's arguments (own_options besides --size and --position, which
// every such command takes, and own_flags). Nothing when they are wrong or the file list cannot be
// read: the error has then been printed, and exit_code is the command's exit code.
std::optional<SegmentBatch> segmentBatch(const char* command, int argc, char** argv,
                                         std::vector<std::string_view> own_options, int& exit_code,
                                         std::vector<std::string_view> own_flags = {});

// Shows the batch's segment of file number index in this process's window, made at first
// use, so that one window serves every file the process is given.
FileReport showBatchSegment(std::unique_ptr<CliWindow>& window, const SegmentBatch& batch,
                            std::size_t index);

// How a command that prints each file's analysed spectrum (spectrum, peaks) writes it: the
// CSV header, to which the many-files form adds a leading "file,"; the CSV rows and the
// JSON line, each naming file when it is given.
struct SpectrumPrint {
    using Text = std::function<std::string(const SpectrumReport&, const std::string* file)>;
    std::function<std::string()> csv_header;
    Text csv_rows;
    Text json;
};

// Prints every file's spectrum of the batch in the form --format asks for, csv (also when
// absent) or json; a wrong format is a usage error before any file is read. The spectra are
// computed without the window, on the batch's worker threads.
int printSpectra(const char* command, const SegmentBatch& batch, const SpectrumPrint& print);
