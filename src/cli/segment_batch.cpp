#include "cli/segment_batch.h"

#include "cli/cli_commands.h"
#include "cli/segment_display.h"

std::optional<SegmentBatch> segmentBatch(const char* command, int argc, char** argv,
                                         std::vector<std::string_view> own_options,
                                         int& exit_code) {
    own_options.insert(own_options.begin(), {"size", "position"});
    std::string error;
    auto arguments = splitArguments(argc, argv, fileBatchSyntax(own_options), error);
    if (!arguments) {
        exit_code = commandUsageError(command, error);
        return std::nullopt;
    }
    int failure = kExitOk;
    auto batch = fileBatch(*arguments, error, failure);
    if (!batch) {
        exit_code = commandFailure(command, error, failure);
        return std::nullopt;
    }
    auto segment = segmentRequest(*arguments, error);
    if (!segment) {
        exit_code = commandUsageError(command, error);
        return std::nullopt;
    }
    return SegmentBatch{std::move(*arguments), std::move(*batch), std::move(*segment)};
}

FileReport showBatchSegment(std::unique_ptr<CliWindow>& window, const SegmentBatch& batch,
                            std::size_t index) {
    if (!window) window = std::make_unique<CliWindow>();
    SegmentRequest request = batch.segment;
    request.file = batch.batch.files[index];
    return showSegment(*window, request);
}

std::optional<bool> jsonFormat(const CommandArguments& arguments, std::string& error) {
    const std::string* format = arguments.option("format");
    if (!format || *format == "csv") return false;
    if (*format == "json") return true;
    error = "format \"" + *format + "\" is not csv or json";
    return std::nullopt;
}
