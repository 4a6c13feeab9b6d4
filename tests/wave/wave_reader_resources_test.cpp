#include <filesystem>
#include <string>
#include <vector>

#include "reader_harness.h"
#include "support/wave_builder.h"

namespace {

using namespace wave_builder;

long open_descriptors() {
    long n = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd"))
        ++n;
    return n;
}

// Memory that runs short: the format record needs 16 bytes, then the data its size.
struct ShortHeap {
    const char* name;
    std::size_t heap_limit_bytes;
    std::size_t samples;
    const char* message;  // null: accepted
};

class ShortHeapTest : public ReaderTest, public testing::WithParamInterface<ShortHeap> {};

TEST_P(ShortHeapTest, RefusesWhenABufferCannotBeHad) {
    const ShortHeap& c = GetParam();
    load_something();
    const StateSnapshot before;
    const WaveReadOutcome outcome = read_bytes(mono_wave(pattern(c.samples)), c.heap_limit_bytes);
    if (c.message) {
        EXPECT_EQ(outcome, WaveReadOutcome::refused);
        EXPECT_THAT(responder.messages,
                    testing::ElementsAre(ShownMessage{kMessageX, kMessageY, c.message}));
        EXPECT_TRUE(StateSnapshot() == before);
    } else {
        EXPECT_EQ(outcome, WaveReadOutcome::accepted);
        EXPECT_EQ(maxsize, static_cast<long>(c.samples));
    }
    expect_released();
}

INSTANTIATE_TEST_SUITE_P(Limits, ShortHeapTest,
                         testing::Values(ShortHeap{"no_room_for_format", 15, 10,
                                                   "can not alloc heap memory for format data"},
                                         ShortHeap{"no_room_for_data", 16 + 19, 10,
                                                   "can not alloc heap memory for wave data"},
                                         ShortHeap{"just_enough", 16 + 20, 10, nullptr},
                                         ShortHeap{"empty_data_needs_nothing", 16, 0, nullptr}),
                         [](const auto& info) { return std::string(info.param.name); });

// A long session: neither open files nor heaps pile up, whatever the outcome.
TEST_F(ReaderTest, ManyLoadsLeaveNoFileOrHeapBehind) {
    const std::vector<std::string> paths = {
        dir.write("long.wav", mono_wave(pattern(30000))),
        dir.write("stereo.wav", riff("WAVE", {fmt_chunk({.channels = 2}), chunk("data", {1, 2})})),
        dir.write("short.wav", riff("WAVE", {fmt_chunk(), chunk_declaring("data", 99, {1, 2})})),
        dir.write("nodata.wav", riff("WAVE", {fmt_chunk()})),
        dir.path().string(),
        "/nonexistent.wav",
    };
    const long descriptors = open_descriptors();
    for (int round = 0; round < 50; ++round) {
        for (const std::string& path : paths) {
            read(path);
            ASSERT_EQ(heapLiveCount(), 0) << path;
            ASSERT_EQ(riffOpenCount(), 0) << path;
            ASSERT_EQ(m_hHeap, nullptr) << path;
        }
    }
    EXPECT_EQ(open_descriptors(), descriptors);
    EXPECT_EQ(maxsize, 22050);
}

// A refusal does not spoil the next load: each load has a heap of its own.
TEST_F(ReaderTest, LoadAfterARefusalIsAsIfAlone) {
    const auto s = pattern(300);
    read_bytes(mono_wave(s), 15);
    responder.messages.clear();
    ASSERT_EQ(read_bytes(mono_wave(s)), WaveReadOutcome::accepted);
    EXPECT_EQ(maxsize, 300);
    EXPECT_TRUE(std::equal(s.begin(), s.end(), siii));
    EXPECT_THAT(responder.messages, testing::IsEmpty());
}

}  // namespace

namespace {

// A header's size is a claim, not a budget: the reader allocates only what the file holds,
// so an absurd claim is a short read however little memory there is.
TEST_F(ReaderTest, DeclaredSizesBeyondTheFileAreNeverAllocated) {
    constexpr std::size_t kOneMegabyte = 1 << 20;
    read_bytes(riff("WAVE", {chunk_declaring("fmt ", 0xFFFFFFF0, format_record({}))}),
               kOneMegabyte);
    read_bytes(riff("WAVE", {fmt_chunk(), chunk_declaring("data", 0xFFFFFFF0, {1, 2})}),
               kOneMegabyte);
    EXPECT_THAT(responder.messages,
                testing::ElementsAre(ShownMessage{kMessageX, kMessageY, "can not read format data"},
                                     ShownMessage{kMessageX, kMessageY, "can not read wave data"}));
}

}  // namespace
