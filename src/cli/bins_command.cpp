#include "cli/bin_report.h"
#include "cli/cli_commands.h"
#include "cli/command_reference.h"
#include "cli/segment_batch.h"

// sefaro-cli spectrum FILE… [--size N] [--position P] [--reference B [--reference-position Q]]
// [--format csv|json]: the spectra that the power and phase plots show for that segment,
// computed by the functions the window's analysis calls, so that they cannot differ from
// what is plotted; with a reference, its columns and the difference appended, as the
// window's exports append them while B's segment at Q is held.
int runSpectrum(int argc, char** argv) {
    constexpr const char* kCommand = "spectrum";
    int exit_code = kExitOk;
    const auto batch = segmentBatch(kCommand, argc, argv,
                                    {"format", "reference", kReferencePositionOption}, exit_code);
    if (!batch) return exit_code;
    const std::string* reference_file = batch->arguments.option("reference");
    if (!reference_file) {
        if (batch->arguments.option(kReferencePositionOption))
            return commandUsageError(kCommand, "--reference-position needs --reference");
        return printSpectra(kCommand, *batch, {spectrumCsvHeader, spectrumCsvRows, spectrumJson});
    }
    const auto reference = commandReference(kCommand, *batch, *reference_file, exit_code);
    if (!reference) return exit_code;
    return printSpectra(
        kCommand, *batch,
        referencePrint(ReferenceColumns::beside_spectrum, *reference, *reference_file));
}
