#include "cli/bin_report.h"
#include "cli/cli_commands.h"
#include "cli/segment_batch.h"

// sefaro-cli spectrum FILE… [--size N] [--position P] [--format csv|json]: the spectra that
// the power and phase plots show for that segment, read from the window's own state after
// the user's actions, so that they cannot differ from what is plotted.
int runSpectrum(int argc, char** argv) {
    constexpr const char* kCommand = "spectrum";
    int exit_code = kExitOk;
    const auto batch = segmentBatch(kCommand, argc, argv, {"format"}, exit_code);
    if (!batch) return exit_code;
    return printSpectra(kCommand, *batch, {spectrumCsvHeader, spectrumCsvRows, spectrumJson});
}
