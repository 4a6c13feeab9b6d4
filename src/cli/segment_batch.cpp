#include "cli/segment_batch.h"

#include "cli/cli_commands.h"
#include "cli/command_wave.h"
#include "cli/segment_computation.h"
#include "cli/segment_display.h"

namespace {

// --format: json (true) or csv (false, also when absent); nothing, with error set, else.
std::optional<bool> jsonFormat(const CommandArguments& arguments, std::string& error) {
    const std::string* format = arguments.option("format");
    if (!format || *format == "csv") return false;
    if (*format == "json") return true;
    error = "format \"" + *format + "\" is not csv or json";
    return std::nullopt;
}

}  // namespace

std::optional<SegmentBatch> segmentBatch(const char* command, int argc, char** argv,
                                         std::vector<std::string_view> own_options, int& exit_code,
                                         std::vector<std::string_view> own_flags) {
    own_options.insert(own_options.begin(), {"size", "position"});
    auto files =
        fileBatch(command, argc, argv, std::move(own_options), exit_code, std::move(own_flags));
    if (!files) return std::nullopt;
    std::string error;
    auto segment = segmentRequest(files->arguments, error);
    if (!segment) {
        exit_code = commandUsageError(command, error);
        return std::nullopt;
    }
    return SegmentBatch{std::move(files->arguments), std::move(files->batch), std::move(*segment)};
}

FileReport showBatchSegment(std::unique_ptr<CliWindow>& window, const SegmentBatch& batch,
                            std::size_t index) {
    if (!window) window = std::make_unique<CliWindow>();
    SegmentRequest request = batch.segment;
    request.file = batch.batch.files[index];
    return showSegment(*window, request, batch.batch.source);
}

int printSpectra(const char* command, const SegmentBatch& batch, const SpectrumPrint& print) {
    std::string error;
    const std::optional<bool> json = jsonFormat(batch.arguments, error);
    if (!json) return commandUsageError(command, error);
    const auto work = [&](std::size_t index) {
        SegmentRequest request = batch.segment;
        request.file = batch.batch.files[index];
        CommandWave wave = commandWave(request.file, batch.batch.source);
        FileReport report = std::move(wave.report);
        if (report.exit_code != kExitOk) return report;
        SegmentComputation computation = computeSegment(request, wave.read.samples);
        if (computation.range_error) {
            report.exit_code = kExitUsage;
            report.error = std::move(*computation.range_error);
            return report;
        }
        const SpectrumReport& spectrum = computation.spectrum;
        const std::string* file = batch.batch.many_files ? &batch.batch.files[index] : nullptr;
        if (*json) {
            report.output = print.json(spectrum, file);
        } else {
            report.output = (file ? "" : print.csv_header()) + print.csv_rows(spectrum, file);
        }
        return report;
    };
    return runFileBatch(command, batch.batch, *json ? "" : "file," + print.csv_header(), work,
                        Workers::threads);
}
