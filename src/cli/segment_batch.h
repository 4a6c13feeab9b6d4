#pragma once

#include <cstddef>
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

// What spectrum, peaks and render share: their arguments, the files they work through and
// the segment they show in each.
struct SegmentBatch {
    CommandArguments arguments;
    FileBatch batch;
    SegmentRequest segment;
};

// The batch from a command's arguments (own_options besides --size and --position, which
// every such command takes). Nothing when they are wrong or the file list cannot be read:
// the error has then been printed, and exit_code is the command's exit code.
std::optional<SegmentBatch> segmentBatch(const char* command, int argc, char** argv,
                                         std::vector<std::string_view> own_options, int& exit_code);

// Shows the batch's segment of file number index in this process's window, made at first
// use, so that one window serves every file the process is given.
FileReport showBatchSegment(std::unique_ptr<CliWindow>& window, const SegmentBatch& batch,
                            std::size_t index);

// --format: json (true) or csv (false, also when absent); nothing, with error set, else.
std::optional<bool> jsonFormat(const CommandArguments& arguments, std::string& error);
