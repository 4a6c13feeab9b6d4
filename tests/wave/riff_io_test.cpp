#include "platform/riff_io.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/temp_dir.h"
#include "support/wave_builder.h"

namespace {

using namespace wave_builder;

// An open file, closed at the end of the test.
class RiffIoTest : public testing::Test {
  protected:
    RiffFile* open(const Bytes& bytes) {
        file_ = riffOpen(dir_.write("f.riff", bytes).c_str());
        return file_;
    }
    void TearDown() override {
        riffClose(file_);
        EXPECT_EQ(riffOpenCount(), 0);
    }
    std::vector<unsigned char> read(std::size_t n) {
        std::vector<unsigned char> out(n);
        out.resize(riffRead(file_, out.data(), n));
        return out;
    }

    RiffFile* file_ = nullptr;
    TempDir dir_;
};

RiffChunk riff_of(const char (&form)[5]) {
    RiffChunk c;
    c.form_type = riffFourcc(form);
    return c;
}

RiffChunk named(const char (&id)[5]) {
    RiffChunk c;
    c.id = riffFourcc(id);
    return c;
}

TEST_F(RiffIoTest, DescendIntoRiffStandsAfterTheFormType) {
    ASSERT_NE(open(riff("WAVE", {chunk("abcd", {9, 8, 7})})), nullptr);
    RiffChunk riff = riff_of("WAVE");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    EXPECT_EQ(riff.id, riffFourcc("RIFF"));
    EXPECT_EQ(riff.size, 4u + 8 + 4);  // form type, header, three bytes and their pad
    EXPECT_EQ(riff.data_offset, 8u);
    EXPECT_THAT(read(4), testing::ElementsAre('a', 'b', 'c', 'd'));
}

TEST_F(RiffIoTest, FindChunkSkipsOthersAndTheirPadBytes) {
    ASSERT_NE(open(riff("WAVE", {chunk("odd1", {1, 2, 3}), chunk("want", {4, 5})})), nullptr);
    RiffChunk riff = riff_of("WAVE"), c = named("want");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    ASSERT_EQ(riffDescend(file_, &c, &riff, kRiffFindChunk), kRiffOk);
    EXPECT_EQ(c.size, 2u);
    EXPECT_EQ(c.data_offset, 12u + 12 + 8);
    EXPECT_EQ(riffBytesLeft(file_), 2u);
    EXPECT_THAT(read(10), testing::ElementsAre(4, 5)) << "a read stops at the end of the file";
}

TEST_F(RiffIoTest, AscendPassesThePadByte) {
    ASSERT_NE(open(riff("WAVE", {chunk("odd1", {1, 2, 3}), chunk("next", {6})})), nullptr);
    RiffChunk riff = riff_of("WAVE"), c = named("odd1");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    ASSERT_EQ(riffDescend(file_, &c, &riff, kRiffFindChunk), kRiffOk);
    ASSERT_EQ(riffAscend(file_, &c), kRiffOk);
    EXPECT_THAT(read(4), testing::ElementsAre('n', 'e', 'x', 't'));
}

// Why the search never leaves its parent: a chunk of the next level up is no child.
TEST_F(RiffIoTest, SearchStaysInsideTheParent) {
    ASSERT_NE(open(concat({riff("WAVE", {chunk("aaaa", {1, 2})}), chunk("want", {3, 4})})),
              nullptr);
    RiffChunk riff = riff_of("WAVE"), c = named("want");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    EXPECT_EQ(riffDescend(file_, &c, &riff, kRiffFindChunk), kRiffChunkNotFound);
    EXPECT_THAT(read(4), testing::ElementsAre('a', 'a', 'a', 'a'))
        << "a failed search does not move";
}

TEST_F(RiffIoTest, SearchForwardOnlyFromTheCurrentPosition) {
    ASSERT_NE(open(riff("WAVE", {chunk("want", {1, 2}), chunk("bbbb", {3, 4})})), nullptr);
    RiffChunk riff = riff_of("WAVE"), c = named("bbbb");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    ASSERT_EQ(riffDescend(file_, &c, &riff, kRiffFindChunk), kRiffOk);
    riffAscend(file_, &c);
    c.id = riffFourcc("want");
    EXPECT_EQ(riffDescend(file_, &c, &riff, kRiffFindChunk), kRiffChunkNotFound);
}

TEST_F(RiffIoTest, FindRiffSkipsOtherFormsAndPlainChunks) {
    ASSERT_NE(
        open(concat({chunk("JUNK", {1}), riff("AVI ", {}), riff("WAVE", {chunk("x123", {})})})),
        nullptr);
    RiffChunk riff = riff_of("WAVE");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    EXPECT_EQ(riff.data_offset, 10u + 12 + 8);
}

TEST_F(RiffIoTest, HugeSizesEndTheSearchAtTheEndOfTheFile) {
    ASSERT_NE(open(riff_declaring(0xFFFFFFFF, "WAVE",
                                  {chunk_declaring("skip", 0xFFFFFFFF, {}), chunk("want", {})})),
              nullptr);
    RiffChunk riff = riff_of("WAVE"), c = named("want");
    ASSERT_EQ(riffDescend(file_, &riff, nullptr, kRiffFindRiff), kRiffOk);
    EXPECT_EQ(riffDescend(file_, &c, &riff, kRiffFindChunk), kRiffChunkNotFound);
    riffAscend(file_, &riff);
    EXPECT_EQ(riffBytesLeft(file_), 0u);
    EXPECT_THAT(read(4), testing::IsEmpty());
}

TEST(RiffOpen, OpensOnlyRegularFiles) {
    const TempDir dir;
    for (const std::string& path :
         {dir.path().string(), std::string("/dev/zero"), std::string("/missing.wav")}) {
        EXPECT_EQ(riffOpen(path.c_str()), nullptr) << path;
    }
    EXPECT_EQ(riffOpen(nullptr), nullptr);
    RiffFile* empty = riffOpen(dir.write("empty", {}).c_str());
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(riffOpenCount(), 1);
    riffClose(empty);
    EXPECT_EQ(riffOpenCount(), 0);
}

}  // namespace
