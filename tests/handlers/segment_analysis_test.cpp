#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numeric>
#include <vector>

#include "handlers/segment_analysis.h"
#include "handlers/segment_buffers.h"
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

TEST_F(SegmentFill, CopiesTheSamplesFromThePosition)
{
    fillSegment(6);
    EXPECT_EQ(shown(), (std::vector<short>{6, 7, 8, 9}));
}

TEST_F(SegmentFill, ANegativePositionCountsAsTheStart)
{
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

TEST(SegmentBuffers, ASegmentIsMadeOnlyWhenItFitsAndReleasedToNull)
{
    std::vector<short> wave(100, 7);
    siii = wave.data();
    maxsize = 100;
    selsize = 101;
    EXPECT_FALSE(makeSegmentAtStart());
    EXPECT_EQ(seliii, nullptr);
    selsize = 100;
    ASSERT_TRUE(makeSegmentAtStart());
    EXPECT_EQ(seliii[99], 7);
    remakeSpectrumBuffers();
    EXPECT_NE(phase, nullptr);
    releaseSegment();
    EXPECT_EQ(seliii, nullptr);
    EXPECT_EQ(selsize, 0);
    siii = nullptr;
    for (double** buffer : {&selRe, &selIm, &power, &phase}) {
        delete[] *buffer;
        *buffer = nullptr;
    }
}

TEST(Spectrum, AConstantSegmentPeaksAtBinZeroWithTheWindowsMean)
{
    std::vector<short> wave(512, 1000);
    siii = wave.data();
    maxsize = selsize = 512;
    ASSERT_TRUE(makeSegmentAtStart());
    remakeSpectrumBuffers();
    const Spectrum spectrum = computeSpectrum();
    EXPECT_EQ(spectrum.points, 256);
    EXPECT_DOUBLE_EQ(spectrum.peak, power[0]);
    // The symmetric window's weights over 512 points sum to 0.54·512 − 0.46.
    const double mean = 1000.0 * (0.54 - 0.46 / 512);
    EXPECT_NEAR(power[0], std::log1p(mean * mean), 1e-9);
    for (int k = 2; k < 256; ++k) EXPECT_LT(power[k], 0.1) << k;
    EXPECT_EQ(phase[0], 0.0);
    releaseSegment();
    siii = nullptr;
}

}  // namespace
