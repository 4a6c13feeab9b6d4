#include "cli/command_reference.h"

#include "cli/bin_report.h"
#include "cli/cli_commands.h"
#include "cli/command_wave.h"
#include "cli/multi_file_output.h"
#include "cli/segment_computation.h"
#include "numbers/whole_number.h"

std::optional<SpectrumReport> commandReference(const char* command, const SegmentBatch& batch,
                                               const std::string& file, int& exit_code) {
    SegmentRequest request = batch.segment;
    request.file = file;
    if (const std::string* text = batch.arguments.option(kReferencePositionOption)) {
        const std::optional<long> position = wholeNumber(*text);
        if (!position) {
            exit_code = commandUsageError(
                command, "reference position \"" + *text + "\" is not a whole number of samples");
            return std::nullopt;
        }
        request.position = *position;
    }
    CommandWave wave = commandWave(file, batch.batch.source);
    FileReport report = std::move(wave.report);
    std::optional<SpectrumReport> spectrum;
    if (report.exit_code == kExitOk) {
        SegmentComputation computation = computeSegment(request, wave.read.samples);
        if (computation.range_error) {
            report.exit_code = kExitUsage;
            report.error = std::move(*computation.range_error);
        } else {
            spectrum = std::move(computation.spectrum);
        }
    }
    // Its notices (a long file cut) are told as for any file, before the output.
    if (!writeFileReport(file, report)) {
        exit_code = commandError(command, "cannot write to standard output", kExitFailed);
        return std::nullopt;
    }
    exit_code = report.exit_code;
    return spectrum;
}

SpectrumPrint referencePrint(ReferenceColumns columns, const SpectrumReport& reference,
                             const std::string& reference_file) {
    return {[columns] { return referenceCsvHeader(columns); },
            [columns, &reference](const SpectrumReport& spectrum, const std::string* file) {
                return referenceCsvRows(columns, spectrum, reference, file);
            },
            [columns, &reference, reference_file](const SpectrumReport& spectrum,
                                                  const std::string* file) {
                return referenceJson(columns, spectrum, reference, reference_file, file);
            }};
}
