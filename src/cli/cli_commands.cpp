#include "cli/cli_commands.h"

#include <cstdio>
#include <cstring>

const CliCommand kCliCommands[] = {
    {"info", "FILE...", "check WAVE files as the window loads them and print what it shows",
     runInfo},
    {"spectrum",
     "FILE... [--size N] [--position P] [--reference B [--reference-position Q]] [--format "
     "csv|json]",
     "print the power and phase spectra the window plots for that segment (N = 512, 1024,\n"
     "      2048 or 4096, default 1024; P from 0, the default, to points - N); with B, its\n"
     "      segment at Q (default P) and the difference in dB appended",
     runSpectrum},
    {"peaks", "FILE... [--size N] [--position P] [--count K] [--all] [--format csv|json]",
     "print the K strongest tones of that spectrum (K from 1 to N/2, default 5), strongest\n"
     "      first, each fitted between bins, with its level in dBFS (--all: every local\n"
     "      maximum, noise too)",
     runPeaks},
    {"compare", "A B [--size N] [--position P] [--reference-position Q] [--format csv|json]",
     "print A's power spectrum at P beside B's at Q (default P), and A's level above B's in\n"
     "      dB at every bin",
     runCompare},
    {"render",
     "FILE [--size N] [--position P] [--reference B [--reference-position Q] [--difference]] "
     "[--window-size WxH] [--scale R] [--screen-scale S] [--frequency-range LOW:HIGH] "
     "[--log-axis] -o OUT.png | FILE... -o DIR",
     "save the whole window, as it shows that segment, as a picture in the format OUT's\n"
     "      extension names (into DIR: one NAME-N-P.png per FILE, NAME being the file's name\n"
     "      without its extension); the window is 800 x 600 unless resized to WxH (from\n"
     "      800x600 to 8000x8000), drawn at R device pixels per pixel (1 to 4, default 1),\n"
     "      the spectra showing LOW to HIGH Hz as zoomed (on a logarithmic axis); with B,\n"
     "      its segment at Q (default P) held as reference, --difference shown; S: as the\n"
     "      window saves it on screens scaled by S (1 to 4, default 1)",
     runRender},
    {"replay", "[SCRIPT] [--shots DIR [--as-seen]] [--screen-scale S]",
     "act as the window's user, one action a line from SCRIPT or standard input, and print\n"
     "      the window's state after each as a JSON line (--shots: DIR/NNN.png after each,\n"
     "      as the window is saved; --as-seen: with the readouts and the focus's frame; S: on\n"
     "      screens scaled by S)",
     runReplay},
    {nullptr, nullptr, nullptr, nullptr},
};

void printCliUsage(std::FILE* out) {
    std::fputs("usage: sefaro-cli COMMAND [ARGUMENTS]\n       sefaro-cli --help | --version\n",
               out);
    std::fputs("commands:\n", out);
    for (const CliCommand* command = kCliCommands; command->name; ++command) {
        std::fprintf(out, "  %s %s\n      %s\n", command->name, command->arguments,
                     command->summary);
    }
    std::fputs(
        "info, spectrum, peaks and render take several FILEs, or --files-from LIST (one path a\n"
        "  line, - for standard input); then each output row or object names its file (-H does\n"
        "  so for one FILE too), and -j N shares the files among N workers (default: one per\n"
        "  idle core, once there are enough files to gain); with --convert each FILE is read as\n"
        "  Open any sound reads it (any sound libsndfile reads), the excerpt from --from SECONDS\n"
        "  (default 0) of --channel mean|1|2|... (default mean)\n",
        out);
    std::fputs(
        "replay actions: load PATH, cancel, size N, slide P, release, back, forw,\n"
        "  key Left|Right|PageUp|PageDown|Home|End, point X Y, click X Y,\n"
        "  drag X1 Y1 X2 Y2, leave, resize W H, open-any PATH [SECONDS [CHANNEL]], pick PATH,\n"
        "  picker-from SECONDS, picker-channel C, picker-ok, picker-cancel, reference hold,\n"
        "  reference open PATH POSITION, reference drop, difference on|off; blank lines and #\n"
        "  comments\n",
        out);
}

int commandUsageError(const char* command, const std::string& why) {
    const char* arguments = "";
    for (const CliCommand* entry = kCliCommands; entry->name; ++entry) {
        if (std::strcmp(entry->name, command) == 0) arguments = entry->arguments;
    }
    std::fprintf(stderr, "sefaro-cli %s: %s (usage: sefaro-cli %s %s)\n", command, why.c_str(),
                 command, arguments);
    return kExitUsage;
}

int commandError(const char* command, const std::string& why, int exit_code) {
    std::fprintf(stderr, "sefaro-cli %s: %s\n", command, why.c_str());
    return exit_code;
}
