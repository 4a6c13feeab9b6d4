#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "reader_harness.h"
#include "wave/wave_refusal.h"
#include "support/wave_builder.h"

namespace {

using namespace wave_builder;

struct AcceptCase {
    std::string name;
    Bytes file;
    std::vector<std::int16_t> samples;  // what siii must hold
    bool notice = false;                // the length notice, then loading goes on
};

void PrintTo(const AcceptCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<std::int16_t> first(const std::vector<std::int16_t>& v, std::size_t n) {
    return {v.begin(), v.begin() + static_cast<std::ptrdiff_t>(std::min(n, v.size()))};
}

AcceptCase plain(std::size_t n) {
    const auto s = pattern(n);
    return {"mono_" + std::to_string(n) + "_samples", mono_wave(s), first(s, 22050), n > 22050};
}

std::vector<AcceptCase> accepted_files() {
    const auto s = pattern(600);
    const Bytes data = chunk("data", sample_bytes(s));
    Bytes odd_bytes = sample_bytes(s);
    odd_bytes.push_back(0x7f);                          // an odd last byte is no sample
    const Bytes junk = chunk("JUNK", Bytes(37, 0xee));  // odd: a pad byte follows
    auto with_format = [&](Format f) {
        return riff("WAVE", {chunk("fmt ", format_record(f)), data});
    };

    std::vector<AcceptCase> cases;
    for (std::size_t n : {0, 511, 512, 1000, 22050, 22051, 30000}) cases.push_back(plain(n));
    cases.push_back({"one_byte_of_data", riff("WAVE", {fmt_chunk(), chunk("data", {0x12})}), {}});
    cases.push_back({"odd_byte_count", riff("WAVE", {fmt_chunk(), chunk("data", odd_bytes)}), s});
    cases.push_back({"odd_data_chunk_unpadded_at_end",
                     riff("WAVE", {fmt_chunk(), chunk_declaring("data", 1201, odd_bytes)}), s});
    cases.push_back(
        {"chunk_before_fmt", riff("WAVE", {chunk("LIST", Bytes(20, 1)), fmt_chunk(), data}), s});
    cases.push_back(
        {"odd_chunk_with_pad_between_fmt_and_data", riff("WAVE", {fmt_chunk(), junk, data}), s});
    cases.push_back({"data_chunk_named_in_a_skipped_body",
                     riff("WAVE", {fmt_chunk(), chunk("JUNK", chunk("data", {1, 2})), data}), s});
    cases.push_back(
        {"riff_size_past_end_of_file", riff_declaring(0xFFFFFFF0, "WAVE", {fmt_chunk(), data}), s});
    cases.push_back({"wave_after_another_riff_form",
                     concat({riff("AVI ", {chunk("data", {1, 2})}), mono_wave(s)}), s});
    for (std::uint16_t tag : {0, 3, 0xFFFE}) {
        cases.push_back({"format_tag_" + std::to_string(tag), with_format({.tag = tag}), s});
    }
    for (std::size_t bytes : {18, 40}) {
        cases.push_back(
            {"format_record_of_" + std::to_string(bytes), with_format({.record_bytes = bytes}), s});
    }
    return cases;
}

class AcceptedFile : public ReaderTest, public testing::WithParamInterface<AcceptCase> {};

TEST_P(AcceptedFile, HoldsItsSamplesInFileOrder) {
    const AcceptCase& c = GetParam();
    load_something();
    ASSERT_EQ(read_bytes(c.file), WaveReadOutcome::accepted);

    ASSERT_NE(siii, nullptr);  // an empty wave is still a loaded wave
    ASSERT_EQ(maxsize, static_cast<long>(c.samples.size()));
    EXPECT_TRUE(std::equal(c.samples.begin(), c.samples.end(), siii));
    EXPECT_EQ(sampleFreq, 44100);
    EXPECT_EQ(selsize, 2) << "the segment is the load action's business";
    if (c.notice) {
        EXPECT_THAT(responder.messages,
                    testing::ElementsAre(ShownMessage{kMessageX, kMessageY, kWaveLengthNotice}));
    } else {
        EXPECT_THAT(responder.messages, testing::IsEmpty());
    }
    expect_released();
}

INSTANTIATE_TEST_SUITE_P(Files, AcceptedFile, testing::ValuesIn(accepted_files()),
                         [](const auto& info) { return info.param.name; });

// Files written by other programs.
struct PublicFile {
    const char* file;
    std::vector<std::int16_t> first_samples;
    long samples;
};

class AcceptedPublicFile : public ReaderTest, public testing::WithParamInterface<PublicFile> {};

TEST_P(AcceptedPublicFile, HoldsItsSamples) {
    const PublicFile& c = GetParam();
    ASSERT_EQ(read(std::string(SEFARO_TEST_DATA) + "/" + c.file), WaveReadOutcome::accepted);
    ASSERT_EQ(maxsize, c.samples);
    EXPECT_TRUE(std::equal(c.first_samples.begin(), c.first_samples.end(), siii));
    EXPECT_THAT(responder.messages, testing::IsEmpty());
}

// An 18-byte format record with a LIST chunk before the data; a 40-byte extensible record.
INSTANTIATE_TEST_SUITE_P(
    Files, AcceptedPublicFile,
    testing::Values(
        PublicFile{"hound__waveformatex-16bit-44100Hz-mono-extra.wav", {2, -3, 5, -7}, 4},
        PublicFile{"hound__pop.wav", {0, 2052, 4097, 6126}, 100}));

TEST_F(ReaderTest, SecondLoadReplacesTheFirstWave) {
    ASSERT_EQ(read_bytes(mono_wave(pattern(30000))), WaveReadOutcome::accepted);
    const auto s = pattern(7);
    ASSERT_EQ(read_bytes(mono_wave(s)), WaveReadOutcome::accepted);
    ASSERT_EQ(maxsize, 7);
    EXPECT_TRUE(std::equal(s.begin(), s.end(), siii));
}

}  // namespace
