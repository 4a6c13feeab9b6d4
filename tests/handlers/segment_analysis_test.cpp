#include <gtest/gtest.h>

#include <climits>
#include <numeric>
#include <vector>

#include "handlers/segment_analysis.h"
#include "wave/analysis_state.h"

namespace {

// The analysis state over a wave of 0, 1, 2, … and a segment of 4 holding -1s.
class SegmentFill : public ::testing::Test {
protected:
    void SetUp() override
    {
        wave.resize(10);
        std::iota(wave.begin(), wave.end(), short{0});
        siii = wave.data();
        maxsize = 10;
        selsize = 4;
        seliii = segment;
        std::fill_n(segment, 4, short{-1});
    }
    void TearDown() override
    {
        siii = nullptr;
        seliii = nullptr;
        maxsize = selsize = 0;
    }
    std::vector<short> shown() const { return {segment, segment + 4}; }

    std::vector<short> wave;
    short segment[4];
};

TEST_F(SegmentFill, CopiesTheSamplesFromThePositionANegativeOneCountingAsTheStart)
{
    fillSegment(6);
    EXPECT_EQ(shown(), (std::vector<short>{6, 7, 8, 9}));
    fillSegment(-3);
    EXPECT_EQ(shown(), (std::vector<short>{0, 1, 2, 3}));
}

TEST_F(SegmentFill, SamplesPastTheEndKeepThePreviousSegmentsValues)
{
    fillSegment(8);
    EXPECT_EQ(shown(), (std::vector<short>{8, 9, -1, -1}));
    fillSegment(10);
    EXPECT_EQ(shown(), (std::vector<short>{8, 9, -1, -1}));
    fillSegment(LONG_MAX);
    EXPECT_EQ(shown(), (std::vector<short>{8, 9, -1, -1}));
}

TEST_F(SegmentFill, ThePeakIsOverTheWholeWave)
{
    wave[9] = -300;
    fillSegment(0);
    EXPECT_EQ(wholeWavePeak(), 300);
}

}  // namespace
