// The pointer over the real window, started headless: the readouts, the click and drag on
// the whole wave, the segment's band, and the plots when no segment fits. Window places:
// view 1 at (120, 10) and view 2 at (120, 135), both 670 × 100 (mx = 20, span = 630); the
// power plot at (10, 260) and the phase plot at (402, 260), both 388 × 330 (mx = 11).
#include <QImage>
#include <QWidget>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <numbers>
#include <optional>

#include "names/window_names.h"
#include "plot/cmnDraw.h"
#include "plot/plot_columns.h"
#include "scenario.h"

namespace {

using wave_builder::pattern;

constexpr int kWaveX = 120, kWaveY = 10, kSegmentX = 120, kSegmentY = 135;
constexpr int kPowerX = 10, kPhaseX = 402, kSpectrumY = 260;
constexpr int kMiddleOfWave = 50, kMiddleOfSpectrum = 165;

class Pointer : public Scenario {
  public:
    // For the steps of the tables below.
    using Scenario::choose;
    using Scenario::file;
    using Scenario::forw;
    using Scenario::letGo;
    using Scenario::load;
    using Scenario::session;
    using Scenario::slideTo;

  protected:
    void point(int x, int y) { session.point(x, y); }
    std::optional<std::string> tooltip() const { return session.tooltipUnderPointer(); }
    std::string tooltipOf(const char* area) { return text(area, _WSNtoolTip()); }
    std::pair<std::string, std::string> captions() {
        return {label(names::kPowerCaption), label(names::kPhaseCaption)};
    }
    // The window's x of a bin of the power plot at size n.
    static int powerColumn(long bin, long n) {
        return kPowerX + pointColumn(plotColumns(388, n / 2), bin);
    }
};

// "1238.16 Hz   bin 115" of a caption: the bin it names, whichever plot it belongs to.
std::string namedBin(const std::string& caption) {
    const std::size_t start = caption.find("   ") + 3;
    return caption.substr(start, caption.rfind("   ") - start);
}

// ---- Tone sweep: every peak read within a fiftieth of a bin ------------------------------

struct Tone {
    long size;
    double bin;  // the tone's frequency in bins
    double amplitude;
};

std::vector<Tone> toneSweep() {
    const double amplitudes[] = {1000, 3000, 10000, 30000};
    std::vector<Tone> tones;
    for (const long size : names::kSegmentSizes) {
        for (int j = 0; j < 12; ++j) {
            // Strictly between bins 4 and N/2 − 5, each at another place between two bins.
            const double bin = 4 + (double(size) / 2 - 9) * (j + 0.37) / 12;
            tones.push_back({size, bin, amplitudes[j % 4]});
        }
    }
    return tones;
}

class ToneSweep : public Pointer, public testing::WithParamInterface<Tone> {};

TEST_P(ToneSweep, ThePowerCaptionReadsThePeakWithinAFiftiethOfABin) {
    const Tone& tone = GetParam();
    std::vector<int16_t> samples(static_cast<std::size_t>(tone.size));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = int16_t(std::lround(tone.amplitude * std::sin(2 * std::numbers::pi * tone.bin *
                                                                   double(i) / double(tone.size))));
    }
    choose(std::to_string(tone.size).c_str());
    load(file("tone.wav", samples));
    const Snapshot before = snapshot();
    point(powerColumn(std::lround(tone.bin), tone.size), kSpectrumY + kMiddleOfSpectrum);
    EXPECT_EQ(snapshot(), before) << "the readout changes no state and no picture";

    double frequency_hz = 0;
    ASSERT_EQ(
        std::sscanf(label(names::kPowerCaption).c_str(), "power   peak %lf Hz", &frequency_hz), 1)
        << label(names::kPowerCaption);
    EXPECT_NEAR(frequency_hz * double(tone.size) / 44100.0, tone.bin, 0.02);
    EXPECT_EQ(label(names::kPhaseCaption).rfind("phase   peak ", 0), 0u)
        << label(names::kPhaseCaption);
}

INSTANTIATE_TEST_SUITE_P(Pointer, ToneSweep, testing::ValuesIn(toneSweep()), [](const auto& info) {
    return "N" + std::to_string(info.param.size) + "Tone" + std::to_string(info.index);
});

// ---- The captions read their own texts again -------------------------------------------

struct PlainCase {
    const char* name;
    std::function<void(Pointer&)> then;
};

const PlainCase kPlainCases[] = {
    {"AfterThePointerLeavesTheWindow", [](Pointer& p) { p.session.leave(); }},
    {"OverAnotherWidget", [](Pointer& p) { p.session.point(50, 170); }},
    {"FartherThanThreePixelsFromAnyBin", [](Pointer& p) { p.session.point(kPowerX + 386, 400); }},
    {"WhenNoSegmentFits", [](Pointer& p) { p.choose("4096"); }},
};

class PlainCaptions : public Pointer, public testing::WithParamInterface<PlainCase> {};

TEST_P(PlainCaptions, ReadPowerAndPhase) {
    choose("1024");
    load(file("w.wav", pattern(3000)));
    point(kPhaseX + 100, kSpectrumY + kMiddleOfSpectrum);
    const auto [power_caption, phase_caption] = captions();
    ASSERT_NE(power_caption, "power");
    ASSERT_EQ(namedBin(power_caption), namedBin(phase_caption))
        << "both captions name the bin under the pointer";
    GetParam().then(*this);
    EXPECT_EQ(captions(), (std::pair<std::string, std::string>{"power", "phase"}));
}

INSTANTIATE_TEST_SUITE_P(Pointer, PlainCaptions, testing::ValuesIn(kPlainCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Click and drag on the whole wave --------------------------------------------------

// 22050 samples: column c of view 1 starts with sample 35·(c − 20); N = 1024.
struct GestureCase {
    const char* name;
    int from_column, to_column;
    long position;
};

const GestureCase kGestures[] = {
    {"ClickPutsTheSegmentUnderThePointer", 120, 120, 3500},
    {"ClickWithAJitterOfThreePixelsIsAClick", 200, 203, 6405},
    {"DragFollowsThePointer", 100, 300, 9800},
    {"ClickInTheMarginGoesToTheStart", 200, 5, 0},
    {"DragPastTheEndStopsWhereTheSegmentEndsTheWave", 300, 700, 22050 - 1024},
};

class WholeWaveGesture : public Pointer, public testing::WithParamInterface<GestureCase> {};

// The same as a user's drag and release of the slider to that position: label, segment,
// spectra and slider alike.
TEST_P(WholeWaveGesture, MovesTheSegmentAsTheSliderWould) {
    const GestureCase& g = GetParam();
    choose("1024");
    load(file("w.wav", pattern(22050)));
    session.drag(kWaveX + g.from_column, kWaveY + kMiddleOfWave, kWaveX + g.to_column,
                 kWaveY + kMiddleOfWave);
    EXPECT_EQ(sliderValue(), std::to_string(g.position));
    const Snapshot by_pointer = snapshot();

    slideTo(int(g.position) == 0 ? 1 : 0);
    letGo();
    slideTo(int(g.position));
    letGo();
    EXPECT_EQ(by_pointer, snapshot());
}

INSTANTIATE_TEST_SUITE_P(Pointer, WholeWaveGesture, testing::ValuesIn(kGestures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(Pointer, WithoutASegmentAClickOnTheWholeWaveDoesNothing) {
    choose("1024");
    load(file("short.wav", pattern(1000)));
    const Snapshot before = snapshot();
    session.click(kWaveX + 300, kWaveY + kMiddleOfWave);
    session.drag(kWaveX + 100, kWaveY + kMiddleOfWave, kWaveX + 400, kWaveY + kMiddleOfWave);
    EXPECT_EQ(snapshot(), before);
}

// ---- The band on the whole wave --------------------------------------------------------

struct BandCase {
    const char* name;
    std::function<void(Pointer&)> steps;  // after a load of 22050 samples at N = 1024
    std::optional<std::pair<int, int>> columns;
};

const BandCase kBands[] = {
    {"AfterTheLoad", [](Pointer&) {}, std::pair{20, 49}},
    {"FollowsTheSliderWhileDragged", [](Pointer& p) { p.slideTo(3500); }, std::pair{120, 149}},
    {"FollowsTheStepButtons",
     [](Pointer& p) {
         p.slideTo(3499);
         p.letGo();
         p.forw();
     },
     std::pair{120, 149}},
    {"FollowsTheKeys", [](Pointer& p) { p.session.key(names::kPositionSlider, "End"); },
     std::pair{620, 649}},
    {"FollowsASizeChange", [](Pointer& p) { p.choose("4096"); }, std::pair{20, 137}},
    {"GoesWithTheSegment", [](Pointer& p) { p.load(p.file("short.wav", pattern(1000))); },
     std::nullopt},
};

class Band : public Pointer, public testing::WithParamInterface<BandCase> {};

// The area shows its picture tinted over the band's columns and untouched elsewhere; the
// view's own picture holds no tint.
TEST_P(Band, TintsTheSegmentsColumnsOverTheUnchangedPicture) {
    choose("1024");
    load(file("w.wav", pattern(22050)));
    GetParam().steps(*this);
    const std::vector<uint32_t> picture = view(1);
    const QImage shown = session.qtWidget(names::kWholeWaveArea)
                             ->grab()
                             .toImage()
                             .convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shown.size(), QSize(670, 100));
    const auto& band = GetParam().columns;
    int wrong = 0, tinted_white = 0;
    for (int y = 0; y < 100; ++y) {
        for (int x = 0; x < 670; ++x) {
            const uint32_t own = picture[std::size_t(y) * 670 + x];
            const bool inside = band && x >= band->first && x <= band->second;
            wrong += shown.pixel(x, y) != (inside ? bandPixel(own) : own);
            tinted_white += own == 0xffcfebfau;
        }
    }
    EXPECT_EQ(wrong, 0);
    EXPECT_EQ(tinted_white, 0);
}

INSTANTIATE_TEST_SUITE_P(Pointer, Band, testing::ValuesIn(kBands),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Tooltips over the wave plots ------------------------------------------------------

std::string sampleText(long index, int value) {
    char text[96];
    std::snprintf(text, sizeof text, "sample %ld   %.2f ms   %d", index, index / 44.1, value);
    return text;
}

TEST_F(Pointer, TheWavePlotsNameTheSampleUnderThePointerCountedFromTheFilesStart) {
    const std::vector<int16_t> samples = pattern(22050);
    choose("1024");
    load(file("w.wav", samples));
    slideTo(3500);
    letGo();
    struct Place {
        int x, y;
        std::optional<std::string> tooltip;
    };
    // View 2 holds 1024 samples: column 26 starts with the segment's sample 10.
    const Place places[] = {
        {kWaveX + 120, kWaveY + kMiddleOfWave, sampleText(3500, samples[3500])},
        {kWaveX + 10, kWaveY + kMiddleOfWave, std::nullopt},
        {kSegmentX + 26, kSegmentY + kMiddleOfWave, sampleText(3510, samples[3510])},
        {kSegmentX + 660, kSegmentY + kMiddleOfWave, std::nullopt},
    };
    for (const Place& place : places) {
        point(place.x, place.y);
        EXPECT_EQ(tooltip(), place.tooltip) << place.x << ", " << place.y;
    }
}

// A pointer resting over a plot reads what the plot shows now, not what it showed when the
// pointer last moved: the same as moving away and back again.
TEST_F(Pointer, ReadoutsUnderARestingPointerFollowTheSegment) {
    choose("1024");
    load(file("w.wav", pattern(22050)));
    const auto pointed_again = [this](int x, int y) {
        session.leave();
        point(x, y);
        return std::pair{captions(), tooltip()};
    };
    const struct {
        int x, y, position;
    } rests[] = {{kPowerX + 120, kSpectrumY + 100, 9000}, {kSegmentX + 300, kSegmentY + 50, 3000}};
    for (const auto& [x, y, position] : rests) {
        point(x, y);
        const auto before = std::pair{captions(), tooltip()};
        slideTo(position);
        letGo();
        const auto after = std::pair{captions(), tooltip()};
        EXPECT_NE(after, before) << x << ", " << y;
        EXPECT_EQ(after, pointed_again(x, y)) << x << ", " << y;
    }
}

// ---- When no segment fits --------------------------------------------------------------

struct NoFitCase {
    const char* name;
    long earlier_points;  // a file loaded first, if any
    const char* size_before;
    long points;
    const char* size_after;  // chosen after the load, if any
    const char* reason;
};

const NoFitCase kNoFitCases[] = {
    {"ASizeTooLargeForTheWave", 0, "512", 1500, "4096",
     "1500 samples: a segment of 4096 does not fit; choose 1024 or less"},
    {"AShortFileAfterALongerOne", 9000, "1024", 600, nullptr,
     "600 samples: a segment of 1024 does not fit; choose 512 or less"},
    {"AFileShorterThanEverySize", 0, "1024", 300, nullptr,
     "300 samples: a segment of 1024 does not fit; no size fits: a segment needs at least 512 "
     "samples"},
};

class NoFit : public Pointer, public testing::WithParamInterface<NoFitCase> {};

// An empty frame of the area's size, drawn by the routine: the frame at start-up, or the
// power plot's with the loaded rate's ticks.
std::vector<uint32_t> emptyFrame(
    const char* area_name, const std::function<void(WSCvdrawingArea*, WSDmwindowDev*)>& frame) {
    auto* area = dynamic_cast<WSCvdrawingArea*>(wsqt::HeadlessSession::find(area_name));
    std::unique_ptr<WSDmwindowDev> device(WSDmwindowDev::getNewInstance());
    device->setSize(area->getProperty(_WSNwidth()), area->getProperty(_WSNheight()));
    frame(area, device.get());
    return {device->bits(), device->bits() + std::size_t(device->width()) * device->height()};
}

// The segment and phase plots show their frames as at start-up, the power plot its frame
// with the loaded rate's ticks; the pointer over any of them reads why.
TEST_P(NoFit, TheSegmentAndSpectrumPlotsShowEmptyFramesAndSayWhy) {
    const NoFitCase& c = GetParam();
    choose(c.size_before);
    if (c.earlier_points) load(file("earlier.wav", pattern(std::size_t(c.earlier_points))));
    load(file("w.wav", pattern(std::size_t(c.points))));
    if (c.size_after) choose(c.size_after);

    ASSERT_EQ(seliii, nullptr);
    EXPECT_EQ(view(2), emptyFrame(names::kSegmentArea, drawScale));
    EXPECT_EQ(view(3), emptyFrame(names::kPowerArea, [](auto* area, auto* device) {
                  drawScalePlus(area, device, 44100);
              }));
    EXPECT_EQ(view(4), emptyFrame(names::kPhaseArea, drawScale));
    for (const auto& [x, y] :
         {std::pair{kSegmentX + 300, kSegmentY + 50}, std::pair{kPowerX + 100, kSpectrumY + 100},
          std::pair{kPhaseX + 100, kSpectrumY + 100}}) {
        point(x, y);
        EXPECT_EQ(tooltip(), c.reason) << x << ", " << y;
    }

    choose("512");
    if (c.points < 512) return;
    for (const char* area : {names::kSegmentArea, names::kPowerArea, names::kPhaseArea})
        EXPECT_EQ(tooltipOf(area), "") << area;
}

INSTANTIATE_TEST_SUITE_P(Pointer, NoFit, testing::ValuesIn(kNoFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
