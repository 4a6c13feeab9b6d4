#include <filesystem>
#include <string>
#include <vector>

#include "reader_harness.h"
#include "support/wave_builder.h"

namespace {

using namespace wave_builder;

struct RefuseCase {
    std::string name;
    Bytes file;
    std::string message;
};

void PrintTo(const RefuseCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<RefuseCase> refused_files() {
    const Bytes data = chunk("data", sample_bytes(pattern(100)));
    auto with_format = [&](Format f) {
        return riff("WAVE", {chunk("fmt ", format_record(f)), data});
    };
    const std::string channel = "Sorry, this program is for single-channel only";
    const std::string rate = "Sorry, this program need 44100 SamplePerSec";
    const std::string bits = "Sorry, this program need 16 BitsPerSample";

    return {
        {"empty_file", {}, "riff chunk not found"},
        {"no_riff", concat({chunk("LIST", Bytes(4, 0)), fmt_chunk(), data}),
         "riff chunk not found"},
        {"big_endian_riff",
         [&] {
             Bytes b = with_format({});
             b[3] = 'X';
             return b;
         }(),
         "riff chunk not found"},
        {"form_type_not_wave", riff("AVI ", {fmt_chunk(), data}), "riff chunk not found"},
        {"riff_header_only", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A'}, "riff chunk not found"},
        {"no_fmt", riff("WAVE", {data}), "format chunk not found"},
        {"fmt_outside_the_riff_size", concat({riff("WAVE", {}), fmt_chunk(), data}),
         "format chunk not found"},
        {"fmt_declaring_more_than_the_file",
         riff("WAVE", {chunk_declaring("fmt ", 100, format_record({}))}),
         "can not read format data"},
        {"fmt_declaring_0xFFFFFFF0",
         riff("WAVE", {chunk_declaring("fmt ", 0xFFFFFFF0, format_record({}))}),
         "can not read format data"},
        // A short read is found before the fields are looked at.
        {"fmt_short_read_before_channels",
         riff("WAVE", {chunk_declaring("fmt ", 100, format_record({.channels = 2}))}),
         "can not read format data"},
        {"stereo", with_format({.channels = 2}), channel},
        {"no_channels", with_format({.channels = 0}), channel},
        {"48000_hz", with_format({.rate_hz = 48000}), rate},
        {"22050_hz", with_format({.rate_hz = 22050}), rate},
        {"8_bit", with_format({.bits = 8}), bits},
        {"24_bit", with_format({.bits = 24}), bits},
        // The checks run channels, rate, bits: the first failing one speaks.
        {"stereo_8_bit_22050_hz", with_format({.channels = 2, .rate_hz = 22050, .bits = 8}),
         channel},
        {"mono_8_bit_48000_hz", with_format({.rate_hz = 48000, .bits = 8}), rate},
        // Short records are read into a zero-filled record: the first missing field fails.
        {"format_record_of_2", with_format({.record_bytes = 2}), channel},
        {"format_record_of_5", with_format({.record_bytes = 5}), rate},
        {"format_record_of_14", with_format({.record_bytes = 14}), bits},
        {"no_data", riff("WAVE", {fmt_chunk(), chunk("LIST", Bytes(8, 1))}),
         "data chunk not found"},
        {"data_before_fmt", riff("WAVE", {data, fmt_chunk()}), "data chunk not found"},
        {"data_outside_the_riff_size", concat({riff("WAVE", {fmt_chunk()}), data}),
         "data chunk not found"},
        {"skipped_chunk_hides_data",
         riff("WAVE", {fmt_chunk(), chunk_declaring("JUNK", 0xFFFFFFF0, {}), data}),
         "data chunk not found"},
        {"data_declaring_more_than_the_file",
         riff("WAVE", {fmt_chunk(), chunk_declaring("data", 2000, sample_bytes(pattern(100)))}),
         "can not read wave data"},
        {"data_declaring_0xFFFFFFF0",
         riff("WAVE", {fmt_chunk(), chunk_declaring("data", 0xFFFFFFF0, {1, 2, 3})}),
         "can not read wave data"},
    };
}

class RefusalTest : public ReaderTest {
  protected:
    // Refuses the file once from the pristine state and once over a loaded wave: each time
    // exactly its message, at the given place, and not one value of the state changed.
    void expect_refused(const std::string& path, const std::string& message) {
        for (bool loaded : {false, true}) {
            SCOPED_TRACE(loaded ? "over a loaded wave" : "before any load");
            if (loaded) load_something();
            responder.messages.clear();
            const StateSnapshot before;
            EXPECT_EQ(read(path), WaveReadOutcome::refused);
            EXPECT_THAT(responder.messages,
                        testing::ElementsAre(ShownMessage{kMessageX, kMessageY, message}));
            EXPECT_TRUE(StateSnapshot() == before);
            expect_released();
        }
    }
};

class RefusedFile : public RefusalTest, public testing::WithParamInterface<RefuseCase> {};

TEST_P(RefusedFile, ShowsItsMessageAndChangesNothing) {
    expect_refused(dir.write("file.wav", GetParam().file), GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(Files, RefusedFile, testing::ValuesIn(refused_files()),
                         [](const auto& info) { return info.param.name; });

// Only a regular file is read: a read from a device could never end.
struct RefusedPath {
    const char* name;
    std::string path;
    const char* message;
};

class RefusedPathTest : public RefusalTest, public testing::WithParamInterface<RefusedPath> {};

TEST_P(RefusedPathTest, ShowsItsMessageAndChangesNothing) {
    std::string path = GetParam().path;
    if (path.empty()) path = dir.path().string();
    expect_refused(path, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RefusedPathTest,
    testing::Values(RefusedPath{"missing", "/nonexistent/folder/sound.wav", "file not found"},
                    RefusedPath{"directory", "", "file not found"},
                    RefusedPath{"device", "/dev/zero", "file not found"},
                    RefusedPath{"null_device", "/dev/null", "file not found"},
                    RefusedPath{"22050_hz_public_file", SEFARO_TEST_DATA "/goaudio__kick.wav",
                                "Sorry, this program need 44100 SamplePerSec"},
                    RefusedPath{"32_bit_public_file",
                                SEFARO_TEST_DATA "/scipy__test-44100Hz-le-1ch-4bytes-early-eof.wav",
                                "Sorry, this program need 16 BitsPerSample"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
