#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "cli_window_fixture.h"
#include "report/csv_field.h"

namespace {

namespace fs = std::filesystem;
using testing::HasSubstr;
using namespace wave_builder;

const std::string kNoDisplay = "env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY ";
const std::string kOffscreen = "chmod 700 . && XDG_RUNTIME_DIR=\"$PWD\" ";  // Qt's runtime folder

// Without a display, as scripts/run uses it over ssh, the command picks its platform itself;
// a stdout that cannot take the output is a failure, not a silent loss, while a reader that
// stops reading ends the run silently by SIGPIPE, as it ends any filter; on a terminal, the
// progress line is drawn over itself and cleared at the end. The window's program, Qt's own
// options first: help, version and a bad option need no display at all, and with none to
// open anything else is one line saying so, never a core dump.
TEST(CommandLines, RunWithoutADisplayAndReportAFullStdout) {
    struct Case {
        std::string shell;  // "$1" is sefaro-cli, "$2" sefaro, in the folder with w.wav
        int exit_code;
        const char* err;
        const char* out = "";  // a part of it
    };
    // clang-format off
    for (const Case& c : {
             Case{kNoDisplay + "\"$1\" render w.wav -o w.png", 0, ""},
             // The environment's scaling is not render's or replay's: only --screen-scale
             // shades the controls as on scaled screens, fractions too, alike in both.
             Case{"QT_SCALE_FACTOR=2 QT_SCREEN_SCALE_FACTORS=3 \"$1\" render w.wav -o a.png && \"$1\" render w.wav -o b.png && cmp a.png b.png && "
                  "echo 'load w.wav' | QT_SCALE_FACTOR=2 \"$1\" replay --shots s >/dev/null && cmp a.png s/001.png && "
                  "\"$1\" render w.wav --screen-scale 2 -o c.png && echo 'load w.wav' | \"$1\" replay --shots t --screen-scale 2 >/dev/null && cmp c.png t/001.png && "
                  "\"$1\" render w.wav --screen-scale 1.5 -o d.png && ! cmp -s a.png c.png && ! cmp -s a.png d.png && echo same >&2", 0, "same\n"},
             Case{"\"$1\" spectrum w.wav >/dev/full", 1, "sefaro-cli spectrum: cannot write to standard output\n"},
             Case{"\"$1\" info -H w.wav >/dev/full", 1, "sefaro-cli info: cannot write to standard output\n"},
             Case{"echo cancel | \"$1\" replay >/dev/full", 1, "sefaro-cli replay: cannot write to standard output\n"},
             Case{"(sleep 0.5; \"$1\" info -j 2 w.wav w.wav; echo \"exit $?\" >&2) | true", 0, "exit 141\n"},
             // A render worker killed once the first picture is in: every other file is
             // still drawn, the dead worker's file is named, the exit code is not 0.
             Case{"i=0; while [ $i -lt 120 ]; do i=$((i+1)); cp w.wav f$i.wav; done; \"$1\" render -j 2 -o pics f*.wav 2>err & p=$!; "
                  "until ls pics 2>/dev/null | grep -q 'png$'; do sleep 0.02; done; kill -9 $(cut -d' ' -f1 /proc/$p/task/$p/children); wait $p; "
                  "echo \"exit $? $(ls pics | grep -c 'png$')\" >&2; grep -c '^sefaro-cli: f[0-9]*\\.wav: the worker process died of signal 9' err >&2",
                  0, "exit 1 119\n1\n"},
             Case{"script -qec \"'$1' info w.wav w.wav w.wav >/dev/null\" /dev/null", 0, "", "\r1/3 files, "},
             Case{"script -qec \"'$1' info w.wav w.wav w.wav >/dev/null\" /dev/null", 0, "", " s left\x1b[K\r\x1b[K"},
             Case{kNoDisplay + "\"$2\" -style fusion --help", 0, "", "Usage: sefaro [options] [FILE]"},
             Case{kNoDisplay + "\"$2\" -style fusion a.wav --version", 0, "", "sefaro " SEFARO_VERSION "\n"},
             Case{kOffscreen + "\"$2\" -platform offscreen --nosuch a.wav", 64, "sefaro: Unknown option 'nosuch'. (see sefaro --help)\n"},
             Case{kOffscreen + "\"$2\" -platform offscreen --from 1e3 a.flac", 64, "sefaro: --from 1e3 is not a number of seconds (see sefaro --help)\n"},
             Case{kOffscreen + "\"$2\" -platform offscreen --channel 1", 64, "sefaro: --from and --channel need a FILE (see sefaro --help)\n"},
             Case{kNoDisplay + "\"$2\" -style fusion --bogus a.wav", 64, "sefaro: Unknown option 'bogus'. (see sefaro --help)\n"},
             Case{kNoDisplay + "\"$2\" -style fusion a.wav", 1, "sefaro: no display to open the window on (see sefaro --help)\n"},
         }) {
        // clang-format on
        SCOPED_TRACE(c.shell);
        TempDir dir;
        dir.write("w.wav", monoWave(pattern(3000)));
        const CliRun r =
            runProgram("/bin/sh", {"-c", c.shell, "sh", SEFARO_CLI, SEFARO}, dir.path());
        EXPECT_EQ(r.exit_code, c.exit_code);
        EXPECT_EQ(r.err, c.err);
        EXPECT_THAT(r.out, HasSubstr(c.out));
    }
}

// Channel 2 of twoTones(): one half as strong as channel 1's on bin 20 of 512 points, on bin 10.
const std::vector<int16_t> kSecondTone = sine(10 * 44100.0 / 512, 8000, 2500);

// Two channels of 2500 frames, a tone in each.
Bytes twoTones() {
    const std::vector<int16_t> first = sine(20 * 44100.0 / 512, 16000, 2500);
    std::vector<int16_t> both;
    for (std::size_t i = 0; i < first.size(); ++i)
        both.insert(both.end(), {first[i], kSecondTone[i]});
    return riff("WAVE", {fmtChunk({.channels = 2}), chunk("data", sampleBytes(both))});
}

// Each stream as a whole when its text ends in a newline or is empty, else a part of it.
struct Run {
    std::vector<std::string> args;
    int exit_code;
    std::string out, err;
    std::string input = "";  // standard input
    // The pictures it writes, each with the first bytes of its format; nothing else.
    std::vector<std::pair<std::string, std::string>> written = {};
};
void PrintTo(const Run& value, std::ostream* out) {
    for (const std::string& arg : value.args) *out << (arg.empty() ? "''" : arg) << ' ';
}

void expectStream(const std::string& stream, const std::string& expected) {
    if (expected.empty() || expected.ends_with('\n')) {
        EXPECT_EQ(stream, expected);
    } else {
        EXPECT_THAT(stream, HasSubstr(expected));
    }
}

class Cli : public testing::TestWithParam<Run> {};

// In a folder with short.wav (3000 samples), long.wav (30000), exact.wav (512), tiny.wav (4),
// stereo.wav (2500 frames), empty.wav and an empty folder, to which nothing may be added, not
// even a temporary file.
TEST_P(Cli, AnswersWithItsExitCodeAndStreamsAndWritesNothing) {
    TempDir dir;
    dir.write("short.wav", monoWave(pattern(3000)));
    dir.write("long.wav", monoWave(pattern(30000)));
    dir.write("tiny.wav", monoWave(pattern(4)));
    dir.write("exact.wav", monoWave(pattern(512)));
    dir.write("stereo.wav", twoTones());
    dir.write("empty.wav", {});
    std::ofstream(dir.path() / "input") << GetParam().input;
    fs::create_directory(dir.path() / "folder");
    const CliRun r = cliIn(dir.path(), GetParam().args, "input");
    EXPECT_EQ(r.exit_code, GetParam().exit_code);
    expectStream(r.out, GetParam().out);
    expectStream(r.err, GetParam().err);
    // An error is one line; only the list of commands is longer.
    EXPECT_TRUE(lineCount(r.err) <= 1 || GetParam().err.starts_with("usage: sefaro-cli COMMAND"))
        << r.err;
    for (const auto& [path, magic] : GetParam().written) {
        EXPECT_TRUE(fileText(dir.path() / path).starts_with(magic)) << path;
        fs::remove(dir.path() / path);
        const fs::path parent = fs::path(path).parent_path();
        if (!parent.empty() && parent != "folder") fs::remove(dir.path() / parent);
    }
    EXPECT_EQ(namesIn(dir.path()),
              (std::vector<std::string>{"empty.wav", "exact.wav", "folder", "input", "long.wav",
                                        "short.wav", "stereo.wav", "tiny.wav"}));
    EXPECT_TRUE(fs::is_empty(dir.path() / "folder"));
}

const std::string kSizes = "is not one of 512, 1024, 2048, 4096";
const std::string kStereo = "Sorry, this program is for single-channel only\n";
const std::string kNotice = "Sorry, this program change parameter of wave length\n";
const std::string kPng = "\x89PNG", kJpeg = "\xFF\xD8\xFF";
// A PNG's signature and the start of its header: 2400 x 1800 pixels.
const std::string kPng2400x1800("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x09\x60\0\0\x07\x08", 24);
const std::string kLine = "sefaro-cli replay: line ";
const std::string kInfoHeader = "file,outcome,message,rate_hz,bits,points\n";
// clang-format off
const std::string kUsage = "usage: sefaro-cli COMMAND [ARGUMENTS]\n       sefaro-cli --help | --version\ncommands:\n  info FILE";

INSTANTIATE_TEST_SUITE_P(Commands, Cli, testing::Values(
    Run{{"--help"}, 0, kUsage, ""},
    Run{{"--version"}, 0, "sefaro-cli " SEFARO_VERSION "\n", ""},
    Run{{}, 64, "", kUsage},
    Run{{"nosuchcommand", "short.wav"}, 64, "", "sefaro-cli: 'nosuchcommand' is not a command; see sefaro-cli --help\n"},
    Run{{"--help", "info"}, 64, "", kUsage},
    Run{{"info", "short.wav"}, 0, "name: short.wav\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: 3000\n", ""},
    Run{{"info", "long.wav"}, 0, "name: long.wav\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: 22050\n", "sefaro-cli: long.wav: " + kNotice},
    Run{{"peaks", "long.wav", "--count", "1"}, 0, "rank,bin,", "sefaro-cli: long.wav: " + kNotice},
    Run{{"spectrum", "exact.wav", "--size", "512"}, 0, "bin,frequency_hz,log_power,phase_rad\n0,0,", ""},
    Run{{"spectrum", "short.wav", "--position", "1976"}, 0, "\n511,", ""},
    Run{{"spectrum", ""}, 64, "", "FILE is missing"},
    Run{{"spectrum", "--", "-no.wav"}, 2, "", "sefaro-cli: -no.wav: file not found\n"},
    Run{{"spectrum", "-j", "0", "short.wav", "tiny.wav"}, 64, "", "jobs \"0\" is not a whole number from 1 to 1024"},
    Run{{"spectrum", "--files-from", "folder"}, 1, "", "cannot read folder: Is a directory"},
    Run{{"spectrum", "--files-from", "empty.wav"}, 64, "", "the list names no FILE"},
    Run{{"spectrum", "short.wav", "--size", "1000"}, 64, "", "size \"1000\" " + kSizes},
    Run{{"spectrum", "short.wav", "--position", "1e3"}, 64, "", "position \"1e3\" is not a whole number of samples"},
    Run{{"spectrum", "short.wav", "--format", "xml"}, 64, "", "format \"xml\" is not csv or json"},
    Run{{"spectrum", "short.wav", "-size", "512"}, 64, "", "sefaro-cli spectrum: there is no option -size (usage: "},
    Run{{"spectrum", "short.wav", "--size"}, 64, "", "sefaro-cli spectrum: --size needs one of 512, 1024, 2048, 4096 (usage: "},
    Run{{"peaks", "short.wav", "-j"}, 64, "", ": -j needs a whole number of workers from 1 to 1024 ("},
    Run{{"spectrum", "short.wav", "--position=1", "--position", "2"}, 64, "", ": --position is given more than once ("},
    Run{{"spectrum", "short.wav", "--position", "1977"}, 64, "", "sefaro-cli: short.wav: position 1977 is outside 0 to 1976 (3000 samples, size 1024)\n"},
    Run{{"spectrum", "short.wav", "--position", "-1"}, 64, "", "position -1 is outside 0 to 1976"},
    Run{{"spectrum", "short.wav", "--size", "4096"}, 64, "", "sefaro-cli: short.wav: the file has 3000 samples, fewer than the size 4096; sizes that fit: 512, 1024, 2048\n"},
    Run{{"spectrum", "tiny.wav", "--size", "512"}, 64, "", "sefaro-cli: tiny.wav: the file has 4 samples, fewer than the size 512; every size needs at least 512\n"},
    Run{{"compare", "short.wav", "stereo.wav"}, 2, "", "sefaro-cli: stereo.wav: " + kStereo},
    Run{{"compare", "exact.wav", "short.wav", "--size", "512", "--reference-position", "2489"}, 64, "", "sefaro-cli: short.wav: position 2489 is outside 0 to 2488 (3000 samples, size 512)\n"},
    Run{{"compare", "short.wav", "short.wav", "--position", "1977", "--reference-position", "0"}, 64, "", "sefaro-cli: short.wav: position 1977 is outside 0 to 1976"},
    Run{{"compare", "short.wav"}, 64, "", "sefaro-cli compare: it compares two FILEs, A and B (usage: sefaro-cli compare A B "},
    Run{{"compare", "short.wav", "short.wav", "short.wav"}, 64, "", "sefaro-cli compare: it compares two FILEs, A and B (usage: sefaro-cli compare A B "},
    Run{{"compare", "exact.wav", "long.wav", "--size", "512", "--reference-position", "7", "--format", "json"}, 0, "\"reference\":{\"file\":\"long.wav\",\"position\":7},\"reference_log_power\":[", "sefaro-cli: long.wav: " + kNotice},
    Run{{"spectrum", "exact.wav", "--size", "512", "--reference", "short.wav"}, 0, "bin,frequency_hz,log_power,phase_rad,reference_log_power,reference_phase_rad,difference_db\n0,0,", ""},
    Run{{"spectrum", "exact.wav", "--size", "512", "--reference", "short.wav", "--format", "json"}, 0, "],\"reference_phase_rad\":[", ""},
    Run{{"spectrum", "short.wav", "--reference-position", "3"}, 64, "", "sefaro-cli spectrum: --reference-position needs --reference (usage: "},
    Run{{"spectrum", "no such.wav"}, 2, "", "sefaro-cli: no such.wav: file not found\n"},
    Run{{"spectrum", "stereo.wav"}, 2, "", "sefaro-cli: stereo.wav: " + kStereo},
    Run{{"peaks", "short.wav", "--count", "0"}, 64, "", "count \"0\" is not a whole number from 1 to 512"},
    Run{{"peaks", "short.wav", "--size", "512", "--count", "257"}, 64, "", "count \"257\" is not a whole number from 1 to 256"},
    Run{{"peaks", "short.wav", "--size", "512", "--count", "256", "--all"}, 0, "frequency_error_hz\n1,", ""},
    Run{{"render", "short.wav"}, 64, "", "-o OUT.png is missing"},
    Run{{"render", "short.wav", "tiny.wav"}, 64, "", "-o DIR is missing"},
    Run{{"render", "-H", "short.wav", "-o", "short.wav"}, 1, "", "sefaro-cli render: cannot write pictures into short.wav: Not a directory\n"},
    Run{{"render", "empty.wav", "-o", "x.png"}, 2, "", "sefaro-cli: empty.wav: riff chunk not found\n"},
    Run{{"render", "short.wav", "-o", "missing/x.png"}, 1, "", "sefaro-cli: short.wav: cannot write missing/x.png: No such file or directory\n"},
    Run{{"render", "short.wav", "-o", "folder"}, 0, "", "", "", {{"folder/short-1024-0.png", kPng}}},
    Run{{"render", "short.wav", "-o", "new/", "--size", "512"}, 0, "", "", "", {{"new/short-512-0.png", kPng}}},
    Run{{"render", "short.wav", "-o", "w.JPG"}, 0, "", "", "", {{"w.JPG", kJpeg}}},
    Run{{"render", "short.wav", "-o", "w.bmp"}, 0, "", "", "", {{"w.bmp", "BM"}}},
    Run{{"render", "short.wav", "-o", "w"}, 0, "", "", "", {{"w", kPng}}},
    Run{{"render", "short.wav", "-o", "w.xyz"}, 64, "", "sefaro-cli render: -o w.xyz: Qt cannot write pictures of that kind; it writes bmp, "},
    Run{{"render", "short.wav", "--window-size", "1200x900", "--scale=2", "-o", "w.png"}, 0, "", "", "", {{"w.png", kPng2400x1800}}},
    Run{{"render", "short.wav", "--window-size", "800x599", "-o", "w.png"}, 64, "", "sefaro-cli render: window-size \"800x599\" is not WxH from 800 x 600 to 8000 x 8000 (usage: "},
    Run{{"render", "short.wav", "--scale", "4.5", "-o", "w.png"}, 64, "", "sefaro-cli render: scale \"4.5\" is not a number from 1 to 4 (usage: "},
    Run{{"render", "short.wav", "--screen-scale", "0.5", "-o", "w.png"}, 64, "", "sefaro-cli render: screen-scale \"0.5\" is not a number from 1 to 4 (usage: "},
    Run{{"render", "short.wav", "--frequency-range", "500:200", "-o", "w.png"}, 64, "", "sefaro-cli render: frequency-range \"500:200\" is not LOW:HIGH in Hz, 0 <= LOW < HIGH (usage: "},
    Run{{"render", "short.wav", "--frequency-range", "0:1000", "--scale", "1", "--screen-scale", "4", "-o", "w.png"}, 0, "", "", "", {{"w.png", kPng}}},
    Run{{"render", "short.wav", "-o", "w.png", "--window-size"}, 64, "", "sefaro-cli render: --window-size needs WxH, from 800 x 600 to 8000 x 8000 (usage: "},
    Run{{"render", "short.wav", "-o", "w.png", "--screen-scale"}, 64, "", "sefaro-cli render: --screen-scale needs a number from 1 to 4 (usage: "},
    Run{{"info"}, 64, "", "sefaro-cli info: FILE is missing (usage: sefaro-cli info FILE...)\n"},
    Run{{"info", "-x", "short.wav"}, 64, "", "sefaro-cli info: there is no option -x (usage: "},
    Run{{"info", "stereo.wav"}, 2, "", "sefaro-cli: stereo.wav: " + kStereo},
    Run{{"info", "short.wav", "long.wav", "stereo.wav", "none.wav"}, 0, kInfoHeader +
            "short.wav,loaded,,44100,16,3000\n"
            "long.wav,cut,\"Sorry, this program change parameter of wave length\",44100,16,22050\n"
            "stereo.wav,refused,\"Sorry, this program is for single-channel only\",,,\n"
            "none.wav,refused,file not found,,,\n", ""},
    Run{{"info", "-H", "short.wav"}, 0, kInfoHeader + "short.wav,loaded,,44100,16,3000\n", ""},
    Run{{"info", "--files-from", "-"}, 0, kInfoHeader + "\"no,\"\"x\"\".wav\",refused,file not found,,,\n\"say \"\"hi\"\".wav\",refused,file not found,,,\n", "", "\nno,\"x\".wav\nsay \"hi\".wav\n"},
    Run{{"info", "--convert", "stereo.wav", "--channel", "2"}, 0, "name: stereo.wav\nrate: 44100Hz\nbits: 16bitsPerSamp\npoints: 2500\nsource_format: wav\nsource_rate_hz: 44100\nsource_channels: 2\nsource_sample: pcm_16\nduration_s: 0.05668934240362812\nfrom_s: 0\nclipped: 0\n", ""},
    Run{{"info", "--convert", "short.wav", "stereo.wav", "empty.wav", "--from", "0.06"}, 0, "file,outcome,message,rate_hz,bits,points,source_format,source_rate_hz,source_channels,source_sample,duration_s,from_s,clipped\n"
            "short.wav,loaded,,44100,16,354,wav,44100,1,pcm_16,0.06802721088435375,0.06,0\n"
            "stereo.wav,refused,--from 0.06 is past the end (0.06 s),,,,wav,44100,2,pcm_16,0.05668934240362812,,\n"
            "empty.wav,refused,not a sound file that can be read,,,,,,,,,,\n", ""},
    // A start between two samples is reported where the excerpt really starts.
    Run{{"info", "--convert", "short.wav", "--from", "0.00001"}, 0, "from_s: 0\nclipped", ""},
    Run{{"info", "--convert", "short.wav", "--from", "1"}, 64, "", "sefaro-cli: short.wav: --from 1 is past the end (0.07 s)\n"},
    Run{{"spectrum", "--convert", "empty.wav"}, 2, "", "sefaro-cli: empty.wav: not a sound file that can be read\n"},
    Run{{"peaks", "--convert", "stereo.wav", "--channel", "2", "--size", "512", "--count", "1"}, 0, "\n1,10,", ""},
    Run{{"peaks", "--convert", "stereo.wav", "--channel", "3"}, 64, "", "sefaro-cli: stereo.wav: channel 3 is not one of its 2 channels\n"},
    Run{{"render", "--convert", "short.wav", "--from", "-1", "-o", "x.png"}, 64, "", "sefaro-cli render: from \"-1\" is not a number of seconds from 0 (usage: "},
    Run{{"peaks", "--convert", "short.wav", "--channel", "0"}, 64, "", "sefaro-cli peaks: channel \"0\" is not mean or a channel from 1 (usage: "},
    Run{{"info", "--channel", "1", "short.wav"}, 64, "", "sefaro-cli info: --from and --channel need --convert (usage: "},
    Run{{"replay", "a", "b"}, 64, "", "give one SCRIPT only"},
    Run{{"replay", "no script"}, 1, "", "sefaro-cli replay: cannot read no script: No such file or directory\n"},
    Run{{"replay", "--shots", "short.wav"}, 1, "", "cannot write shots into short.wav: "},
    Run{{"replay", "--as-seen", "-"}, 64, "", "sefaro-cli replay: --as-seen needs --shots DIR (usage: "},
    Run{{"replay", "--screen-scale", "nan", "-"}, 64, "", "sefaro-cli replay: screen-scale \"nan\" is not a number from 1 to 4 (usage: "},
    Run{{"replay", "-"}, 0, R"("line":2,"action":"load short.wav","messages":[])", "", "# from stdin\nload short.wav\n"},
    // A reference that could not be opened leaves no answer for the next one's question.
    Run{{"replay"}, 0, R"("action":"reference open short.wav 7","messages":[],"tooltip":null,"window_size":[800,600],"frequency_range":[0.0,22050.0],"log_axis":false,"reference":{"file":"short.wav","size":1024,"position":7})", "", "load short.wav\nreference open none.wav 3\nreference open short.wav 7\n"},
    Run{{"replay"}, 64, "", kLine + "3: unknown action \"jump\"\n", "cancel\n\njump 3\ncancel\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"load\": load needs a PATH\n", "load  \n"},
    Run{{"replay"}, 64, "", kLine + "2: the size box has no item \"1000\" (512, 1024, 2048, 4096)\n", "cancel\nsize 1000\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"size big\": size needs a number N\n", "size big\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"slide ten\": slide needs a whole number P\n", "slide ten\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"slide 3000000000\": slide needs a whole number P\n", "slide 3000000000\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"key left\": key needs one of Left, Right, PageUp, PageDown, Home, End, Shift+Left, Shift+Right, Escape, Plus, Minus\n", "key left\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"wheel 10 20 0\": wheel needs whole numbers X Y and STEPS from -100 to 100, not 0\n", "wheel 10 20 0\n"},
    Run{{"replay"}, 0, R"("action":"wheel 10 20 100","messages":[])", "", "wheel 10 20 100\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"axis loud\": axis needs linear or log\n", "axis loud\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"back 2\": this action takes nothing after it\n", "back 2\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"focus wave\": focus needs one of power, phase, slider\n", "focus wave\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"click 10 y\": this action needs two whole numbers X Y\n", "click 10 y\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"drag 1 2 3\": drag needs four whole numbers X1 Y1 X2 Y2\n", "drag 1 2 3\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"resize 799 600\": resize needs two whole numbers W H, from 800 x 600 to 8000 x 8000\n", "resize 799 600\n"},
    Run{{"replay"}, 0, R"("action":"resize 1200 900","messages":[],"tooltip":null,"window_size":[1200,900],)", "", "resize 1200 900\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"open-any\": open-any needs a PATH\n", "open-any\n"},
    Run{{"replay"}, 64, "", kLine + "1: \"picker-from x\": picker-from needs a number of SECONDS from 0\n", "picker-from x\n"},
    Run{{"replay"}, 64, "", kLine + "2: no excerpt picker is shown (pick PATH shows it)\n", "back\npicker-ok\n"},
    Run{{"replay"}, 64, R"("action":"pick exact.wav")", kLine + "2: no excerpt picker is shown (pick PATH shows it)\n", "pick exact.wav\npicker-ok\n"},
    Run{{"replay"}, 0, R"("action":"open-any stereo.wav 0.01 2","messages":[])", "", "open-any stereo.wav 0.01 2\n"},
    Run{{"replay"}, 64, "", kLine + "2: the excerpt picker is shown: only picker actions\n", "pick stereo.wav\nback\n"},
    Run{{"replay"}, 64, R"("picker":{"facts":"stereo.wav: wav, 16 bits, 44100 Hz, 2 channels, 0:00.06","duration_s":0.05668934240362812,"from_s":0.0,"channel":0})", kLine + "2: the source has no channel 3\n", "pick stereo.wav\npicker-channel 3\n"}));
// clang-format on

// render shows the channel asked for: its picture is that of a file holding that channel's
// samples alone, under the same name.
TEST(CliRender, ShowsTheChosenChannel) {
    TempDir dir;
    fs::create_directory(dir.path() / "mono");
    dir.write("s.wav", twoTones());
    dir.write("mono/s.wav", monoWave(kSecondTone));
    // The reference too: converted as the file is, or a picture without it is no success.
    const CliRun a =
        cliIn(dir.path(), {"render", "--convert", "s.wav", "--channel=2", "--reference", "s.wav",
                           "--reference-position", "9", "-o", "a"});
    const CliRun b = cliIn(dir.path(), {"render", "--convert", "mono/s.wav", "--reference",
                                        "mono/s.wav", "--reference-position", "9", "-o", "b"});
    ASSERT_EQ(a.exit_code + b.exit_code, 0) << a.err << b.err;
    EXPECT_EQ(fileText(dir.path() / "a"), fileText(dir.path() / "b"));
}

// The runs of one command over many files, with the options every file shares.
struct ManyFiles {
    const char* name;
    std::vector<std::string> args;
    std::string csv_header;  // of one file's CSV, without its newline; empty for other forms
    friend void PrintTo(const ManyFiles& row, std::ostream* out) { *out << row.name; }
};

class CliManyFiles : public testing::TestWithParam<ManyFiles> {};

// Each file gives what it gives alone, in the many-files form, in the order given, whatever
// the number of workers; failed files are told on stderr by name and the run goes on.
TEST_P(CliManyFiles, GiveEachFilesOwnOutputInOrderAndReportTheFailedOnes) {
    // In order: good ones, one refused, one missing, one too short for 512, two of one name.
    const std::vector<std::string> files = {"a.wav",    "stereo.wav",  "none.wav",
                                            "tiny.wav", "b,\"q\".wav", "sub/a.wav"};
    TempDir dir;
    dir.write("a.wav", monoWave(pattern(3000)));
    dir.write("b,\"q\".wav", monoWave(sine(2500, 8000, 30000)));
    dir.write("stereo.wav", twoTones());
    dir.write("tiny.wav", monoWave(pattern(300)));
    fs::create_directory(dir.path() / "sub");
    dir.write("sub/a.wav", monoWave(sine(440, 12000, 9000)));
    std::ofstream(dir.path() / "list")
        << "a.wav\nstereo.wav\nnone.wav\ntiny.wav\nb,\"q\".wav\nsub/a.wav\n";

    const std::string command = GetParam().args[0];
    const bool render = command == "render";  // pictures into a folder, not text on stdout
    const std::string& csv_header = GetParam().csv_header;
    std::string out = csv_header.empty() ? "" : "file," + csv_header + "\n";
    std::string err;
    std::vector<std::string> pictures;
    int exit_code = 0;
    for (const std::string& file : files) {
        std::vector<std::string> alone = GetParam().args;
        if (render) alone.insert(alone.end(), {"-o", "alone.png"});
        alone.insert(alone.end(), {"--", file});
        const CliRun r = cliIn(dir.path(), alone);
        exit_code = std::max(exit_code, r.exit_code);
        err += r.err;
        if (render && r.exit_code == 0) {
            pictures.push_back(fileText(dir.path() / "alone.png"));
            fs::remove(dir.path() / "alone.png");
        }
        std::istringstream out_lines(r.out);
        for (std::string line; std::getline(out_lines, line);) {
            if (line.starts_with("{")) {
                out += "{\"file\":" + nlohmann::json(file).dump() + "," + line.substr(1) + "\n";
            } else if (line != csv_header) {
                out += csvField(file) + "," + line + "\n";
            }
        }
    }
    ASSERT_EQ(exit_code, 64);
    if (render)
        err +=
            "sefaro-cli: sub/a.wav: saved as a-512-100-2.png, since an earlier file has "
            "a-512-100.png\n";

    // The files named with one worker, and listed on stdin with three.
    for (const bool from_list : {false, true}) {
        SCOPED_TRACE(from_list ? "-j 3 --files-from -" : "-j 1");
        std::vector<std::string> many = GetParam().args;
        many.insert(many.end(), {"-j", from_list ? "3" : "1"});
        if (render) many.insert(many.end(), {"-o", "pictures"});
        if (from_list) many.insert(many.end(), {"--files-from", "-"});
        if (!from_list) many.insert(many.end(), files.begin(), files.end());
        const CliRun r = cliIn(dir.path(), many, "list");
        EXPECT_EQ(r.exit_code, 64);
        EXPECT_EQ(r.out, out);
        EXPECT_EQ(r.err, err);
        if (!render) continue;
        const fs::path folder = dir.path() / "pictures";
        EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"a-512-100-2.png", "a-512-100.png",
                                                             "b,\"q\"-512-100.png"}));
        for (std::size_t i = 0;
             const char* name : {"a-512-100.png", "b,\"q\"-512-100.png", "a-512-100-2.png"})
            EXPECT_EQ(fileText(folder / name), pictures[i++]) << name;
        fs::remove_all(folder);
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Commands, CliManyFiles, testing::Values(
    ManyFiles{"spectrum_csv", {"spectrum", "--size", "512", "--position=100"}, "bin,frequency_hz,log_power,phase_rad"},
    ManyFiles{"spectrum_json", {"spectrum", "--format", "json", "--size=512", "--position", "100"}, ""},
    ManyFiles{"peaks_csv", {"peaks", "--size", "512", "--position", "100", "--count", "3"}, "rank,bin,frequency_hz,log_power,phase_rad,level_dbfs,amplitude,frequency_error_hz"},
    ManyFiles{"peaks_json", {"peaks", "--format=json", "--all", "--size", "512", "--position=100"}, ""},
    ManyFiles{"render", {"render", "--size", "512", "--position", "100"}, ""}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
