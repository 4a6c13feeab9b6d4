#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "cli/cli_commands.h"
#include "cli/command_reference.h"
#include "cli/picture_request.h"
#include "cli/segment_batch.h"
#include "cli/window_pictures.h"
#include "handlers/reference_hold.h"
#include "names/window_names.h"
#include "report/export_name.h"
#include "toolkit/qt/headless.h"

// sefaro-cli render FILE [--size N] [--position P] [--reference B [--reference-position Q]
// [--difference]] [--window-size WxH] [--scale R] [--screen-scale S]
// [--frequency-range LOW:HIGH] [--log-axis] -o OUT.png, or FILE… -o DIR: the whole window,
// resized to WxH, its spectra showing LOW … HIGH Hz (on a logarithmic axis), as it shows that
// segment (with B's segment at Q held as reference, and its difference shown) on screens
// scaled by S, drawn from the window itself at R device pixels per logical pixel and saved as
// a picture of the kind OUT's extension names (PNG into a folder).
namespace {

constexpr const char* kCommand = "render";

// DIR/<file name without its extension>-<N>-<P>.png for each file; a name an earlier file took
// gets -2, -3 … before .png, and a note saying so.
std::vector<std::string> pictureNames(const FileBatch& batch, const SegmentRequest& segment,
                                      const std::string& folder, std::vector<std::string>& notes) {
    std::vector<std::string> names;
    std::set<std::string> taken;
    for (const std::string& file : batch.files) {
        const std::string base = exportStem(std::filesystem::path(file).filename().string(),
                                            segment.size, segment.position);
        std::string name = base + ".png";
        for (int n = 2; taken.contains(name); ++n) name = base + '-' + std::to_string(n) + ".png";
        taken.insert(name);
        notes.push_back(name == base + ".png"
                            ? ""
                            : "saved as " + name + ", since an earlier file has " + base + ".png");
        names.push_back((std::filesystem::path(folder) / name).string());
    }
    return names;
}

}  // namespace

int runRender(int argc, char** argv) {
    int exit_code = kExitOk;
    const auto batch = segmentBatch(kCommand, argc, argv,
                                    {"o", "window-size", "scale", "screen-scale", "frequency-range",
                                     "reference", kReferencePositionOption},
                                    exit_code, {"difference", "log-axis"});
    if (!batch) return exit_code;
    // The reference is checked once, so that a file it cannot be is told before any picture.
    const std::string* reference_file = batch->arguments.option("reference");
    std::optional<SpectrumReport> reference;
    if (reference_file) {
        reference = commandReference(kCommand, *batch, *reference_file, exit_code);
        if (!reference) return exit_code;
    } else if (batch->arguments.option(kReferencePositionOption) ||
               batch->arguments.flag("difference")) {
        return commandUsageError(kCommand,
                                 "--reference-position and --difference need --reference");
    }
    std::string error;
    const std::optional<PictureRequest> picture = pictureRequest(batch->arguments, error);
    if (!picture) return commandUsageError(kCommand, error);
    wsqt::HeadlessSession::startOnScreensScaledBy(picture->screen_scale);
    const std::string* output = batch->arguments.option("o");
    if (!output || output->empty())
        return commandUsageError(
            kCommand, batch->batch.many_files ? "-o DIR is missing" : "-o OUT.png is missing");

    // One file goes into a folder as many do when -o names one: an existing folder, or a
    // name ending in a slash.
    const bool into_folder =
        batch->batch.many_files || output->ends_with('/') || std::filesystem::is_directory(*output);
    std::vector<std::string> paths{*output}, notes{""};
    std::string format = "png";
    if (into_folder) {
        if (!makePictureFolder(*output, "pictures", error))
            return commandError(kCommand, error, kExitFailed);
        notes.clear();
        paths = pictureNames(batch->batch, batch->segment, *output, notes);
    } else if (const auto asked = pictureFormat(*output)) {
        format = *asked;
    } else {
        return commandUsageError(
            kCommand, "-o " + *output + ": Qt cannot write pictures of that kind; it writes " +
                          writablePictureFormats());
    }

    std::unique_ptr<CliWindow> window;
    const auto work = [&](std::size_t index) {
        FileReport report = showBatchSegment(window, *batch, index);
        if (!notes[index].empty()) report.messages.push_back(notes[index]);
        if (report.exit_code != kExitOk) return report;
        // A worker's window keeps the reference it held for an earlier file.
        if (reference && !referenceHeld()) {
            const WaveSource& source = batch->batch.source;
            window->openReference(*reference_file, reference->position,
                                  source.convert ? &source.excerpt : nullptr);
            // Its messages were told when the reference was checked; one the window could not
            // hold all the same must not give a picture without it.
            window->takeMessages();
            if (!referenceHeld()) {
                report.exit_code = kExitRefused;
                report.messages.push_back(*reference_file + ": the window could not hold it");
                return report;
            }
        }
        if (reference)
            window->chooseMenuEntry(names::kShowDifferenceEntry,
                                    batch->arguments.flag("difference"));
        window->resize(picture->width, picture->height);
        window->showFrequencies(picture->log_axis, picture->frequency_range_hz);
        if (!saveWindowPicture(*window, paths[index], format, report.error, picture->scale))
            report.exit_code = kExitFailed;
        return report;
    };
    return runFileBatch(kCommand, batch->batch, "", work, Workers::processes);
}
