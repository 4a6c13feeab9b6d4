#include "cli/cli_commands.h"
#include "cli/command_reference.h"
#include "cli/segment_batch.h"

// sefaro-cli compare A B [--size N] [--position P] [--reference-position Q] [--format
// csv|json]: the power spectrum of A's segment at P beside B's at Q (P by default), and how
// many dB A's bins lie above B's, as the window compares them while B is held as reference.
int runCompare(int argc, char** argv) {
    constexpr const char* kCommand = "compare";
    int exit_code = kExitOk;
    auto batch =
        segmentBatch(kCommand, argc, argv, {kReferencePositionOption, "format"}, exit_code);
    if (!batch) return exit_code;
    if (batch->arguments.option("files-from") || batch->batch.files.size() != 2)
        return commandUsageError(kCommand, "it compares two FILEs, A and B");
    const std::string reference_file = batch->batch.files[1];
    batch->batch.files.pop_back();
    batch->batch.many_files = batch->arguments.flag("H");
    const auto reference = commandReference(kCommand, *batch, reference_file, exit_code);
    if (!reference) return exit_code;
    return printSpectra(kCommand, *batch,
                        referencePrint(ReferenceColumns::levels_only, *reference, reference_file));
}
