// The WAVE reader over files the tests write: what each file gives, and what keeping it
// leaves in the analysis state.
#include "wave/wave_reader.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/private_heap.h"
#include "platform/riff_io.h"
#include "support/temp_dir.h"
#include "support/wave_builder.h"
#include "wave/analysis_state.h"
#include "wave/wave_refusal.h"

namespace {

using namespace wave_builder;

struct FileCase {
    std::string name;
    Bytes file;
    std::string message;              // what the user is told, if anything
    std::vector<short> samples = {};  // what an accepted file leaves in siii once kept
    std::string path = "";            // read instead of the file
    std::size_t heap_limit = 0;
};

// A file is kept when it tells nothing but the length notice.
std::vector<FileCase> files() {
    const std::string channel = "Sorry, this program is for single-channel only";
    const std::string rate = "Sorry, this program need 44100 SamplePerSec";
    const std::string bits = "Sorry, this program need 16 BitsPerSample";
    const std::string no_riff = "riff chunk not found", no_data = "data chunk not found";
    const std::string short_format = "can not read format data";
    const std::string short_data = "can not read wave data";
    const auto s = pattern(100);
    const Bytes data = chunk("data", sampleBytes(s));
    auto with_format = [&](Format f) { return riff("WAVE", {fmtChunk(f), data}); };
    const Bytes odd_bytes = concat({sampleBytes(s), {0x7f}});  // an odd last byte is no sample

    // clang-format off
    std::vector<FileCase> cases = {
        {"one_byte_of_data", riff("WAVE", {fmtChunk(), chunk("data", {0x12})}), "", {}},
        {"odd_byte_count", riff("WAVE", {fmtChunk(), chunk("data", odd_bytes)}), "", s},
        {"odd_data_unpadded_at_the_end", riff("WAVE", {fmtChunk(), chunkDeclaring("data", 201, odd_bytes)}), "", s},
        {"chunk_before_fmt", riff("WAVE", {chunk("LIST", Bytes(20, 1)), fmtChunk(), data}), "", s},
        {"odd_chunk_with_pad_before_data", riff("WAVE", {fmtChunk(), chunk("JUNK", Bytes(37, 0xee)), data}), "", s},
        {"data_named_in_a_skipped_body", riff("WAVE", {fmtChunk(), chunk("JUNK", chunk("data", {1, 2})), data}), "", s},
        {"riff_size_past_the_end", riffDeclaring(0xFFFFFFF0, "WAVE", {fmtChunk(), data}), "", s},
        {"wave_after_another_form", concat({riff("AVI ", {chunk("data", {1, 2})}), monoWave(s)}), "", s},
        {"format_tag_0", with_format({.tag = 0}), "", s},
        {"format_tag_3", with_format({.tag = 3}), "", s},
        {"format_tag_65534", with_format({.tag = 0xFFFE}), "", s},
        // Short records are read into a zero-filled record: the first missing field fails. An
        // odd record is followed by its pad byte.
        {"format_record_of_2", with_format({.record_bytes = 2}), channel},
        {"format_record_of_5", with_format({.record_bytes = 5}), rate},
        {"format_record_of_14", with_format({.record_bytes = 14}), bits},
        {"format_record_of_17", with_format({.record_bytes = 17}), "", s},
        {"format_record_of_18", with_format({.record_bytes = 18}), "", s},
        {"format_record_of_40", with_format({.record_bytes = 40}), "", s},
        // The checks run channels, rate, bits: the first failing one speaks.
        {"stereo", with_format({.channels = 2}), channel},
        {"48000_hz", with_format({.rate_hz = 48000}), rate},
        {"44100_hz_in_the_low_16_bits_only", with_format({.rate_hz = 44100 + 65536}), rate},
        // High bits of 4: shifted 8 bits instead of 16, they vanish into 44100's own.
        {"44100_hz_under_high_bits_of_4", with_format({.rate_hz = 44100 + 4 * 65536}), rate},
        {"8_bit", with_format({.bits = 8}), bits},
        {"stereo_8_bit_22050_hz", with_format({.channels = 2, .rate_hz = 22050, .bits = 8}), channel},
        {"8_bit_48000_hz", with_format({.rate_hz = 48000, .bits = 8}), rate},
        {"no_riff", concat({chunk("LIST", Bytes(4, 0)), fmtChunk(), data}), no_riff},
        {"form_not_wave", riff("AVI ", {fmtChunk(), data}), no_riff},
        {"riff_header_only", {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'W', 'A'}, no_riff},
        {"no_fmt", riff("WAVE", {data}), "format chunk not found"},
        {"fmt_outside_the_riff", concat({riff("WAVE", {}), fmtChunk(), data}), "format chunk not found"},
        {"fmt_past_the_end", riff("WAVE", {chunkDeclaring("fmt ", 100, formatRecord({}))}), short_format},
        // A short read is found before the fields are looked at.
        {"stereo_fmt_past_the_end", riff("WAVE", {chunkDeclaring("fmt ", 100, formatRecord({.channels = 2}))}), short_format},
        {"no_data", riff("WAVE", {fmtChunk(), chunk("LIST", Bytes(8, 1))}), no_data},
        {"data_before_fmt", riff("WAVE", {data, fmtChunk()}), no_data},
        {"data_outside_the_riff", concat({riff("WAVE", {fmtChunk()}), data}), no_data},
        {"skipped_chunk_hides_data", riff("WAVE", {fmtChunk(), chunkDeclaring("JUNK", 0xFFFFFFF0, {}), data}), no_data},
        {"data_past_the_end", riff("WAVE", {fmtChunk(), chunkDeclaring("data", 2000, sampleBytes(s))}), short_data},
        // A header's size is a claim: what is allocated is what the file holds, so even a
        // heap of a megabyte gives a short read.
        {"fmt_of_0xFFFFFFF0", riff("WAVE", {chunkDeclaring("fmt ", 0xFFFFFFF0, formatRecord({}))}), short_format, {}, "", 1 << 20},
        {"data_of_0xFFFFFFF0", riff("WAVE", {fmtChunk(), chunkDeclaring("data", 0xFFFFFFF0, {1, 2, 3})}), short_data, {}, "", 1 << 20},
        // The format record takes 16 bytes of the heap, then the data its size.
        {"no_room_for_format", monoWave(s), "can not alloc heap memory for format data", {}, "", 15},
        {"no_room_for_data", monoWave(s), "can not alloc heap memory for wave data", {}, "", 215},
        {"just_enough_room", monoWave(s), "", s, "", 216},
        {"no_data_needs_no_room", monoWave({}), "", {}, "", 16},
        // Files written by other programs.
        {"written_elsewhere", {}, "", {2, -3, 5, -7}, SEFARO_TEST_DATA "/hound__waveformatex-16bit-44100Hz-mono-extra.wav"},
        {"22050_hz_elsewhere", {}, rate, {}, SEFARO_TEST_DATA "/goaudio__kick.wav"},
        {"32_bit_elsewhere", {}, bits, {}, SEFARO_TEST_DATA "/scipy__test-44100Hz-le-1ch-4bytes-early-eof.wav"},
        // Only a regular file is read: a read from a device could never end.
        {"missing", {}, "file not found", {}, "/nonexistent/folder/sound.wav"},
        {"directory", {}, "file not found", {}, SEFARO_TEST_DATA},
        {"device", {}, "file not found", {}, "/dev/zero"},
    };
    for (std::size_t n : {0, 511, 512, 1000, 22050, 22051, 30000}) {
        const auto all = pattern(n);
        cases.push_back({"mono_" + std::to_string(n), monoWave(all), n > 22050 ? kWaveLengthNotice : "", {all.begin(), all.begin() + std::min<std::ptrdiff_t>(n, 22050)}});
    }
    // clang-format on
    return cases;
}

class WaveFile : public testing::TestWithParam<FileCase> {
  protected:
    void TearDown() override {
        delete[] siii;
        siii = nullptr;
        maxsize = sampleFreq = 0;
    }
    TempDir dir;
};

WaveReadOutcome outcomeOf(const FileCase& c) {
    if (c.message.empty()) return WaveReadOutcome::accepted;
    return c.message == kWaveLengthNotice ? WaveReadOutcome::cut : WaveReadOutcome::refused;
}

long openDescriptors() {
    const std::filesystem::directory_iterator fds("/proc/self/fd");
    return std::distance(begin(fds), end(fds));
}

// Read, and kept unless refused. Whatever the outcome, nothing of the read outlives it:
// no heap, no open file.
TEST_P(WaveFile, GetsItsOutcomeAndMessage) {
    const FileCase& c = GetParam();
    const long descriptors = openDescriptors();
    const std::string path = c.path.empty() ? dir.write("file.wav", c.file) : c.path;
    const WaveRead read = readWaveFile(path.c_str(), c.heap_limit);
    EXPECT_EQ(read.outcome, outcomeOf(c));
    EXPECT_EQ(read.message ? read.message : "", c.message);
    EXPECT_EQ(m_hHeap, nullptr);
    EXPECT_EQ(heapLiveCount(), 0);
    EXPECT_EQ(riffOpenCount(), 0);
    EXPECT_EQ(openDescriptors(), descriptors);
    if (read.outcome == WaveReadOutcome::refused) {
        EXPECT_THAT(read.samples, testing::IsEmpty());
        return;
    }
    keepWave(read);
    ASSERT_NE(siii, nullptr);  // an empty wave is still a loaded wave
    EXPECT_EQ(std::vector<short>(siii, siii + maxsize), c.samples);
    EXPECT_EQ(sampleFreq, 44100);
}

INSTANTIATE_TEST_SUITE_P(Files, WaveFile, testing::ValuesIn(files()),
                         [](const auto& info) { return info.param.name; });

// A short format record is read into a larger block: the fields it lacks must read 0.
TEST(PrivateHeap, BlocksAreZeroFilled) {
    PrivateHeap* heap = heapCreate();
    auto* block = static_cast<unsigned char*>(heapAlloc(heap, 1000));
    ASSERT_NE(block, nullptr);
    EXPECT_TRUE(std::all_of(block, block + 1000, [](unsigned char b) { return b == 0; }));
    heapDestroy(heap);
}

}  // namespace
