#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cmath>
#include <complex>
#include <cstdio>
#include <map>
#include <optional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "scripted_scenario.h"
#include "support/fftw_dft.h"
#include "toolkit/WSband.h"
#include "wave/reference_state.h"

namespace {

// A user's walk over a wave, written as a replay script ("load w.wav" loads the row's wave,
// "load short.wav" one of 1000 samples), on a screen of the row's pixel ratio, and what the
// window shows at its end. Window places: views 1 and 2 at (120, 10) and (120, 135), 670 x
// 100; the power and phase plots at (10, 260) and (402, 260), 388 x 330. At 1200 x 900
// views 1 and 2 are 1070 wide, the power and phase plots 588 x 630, the phase plot at
// (602, 260).
struct Walk {
    std::size_t wave_samples;
    std::string script;
    // The position label; the slider's value, minimum, maximum and drag interval.
    std::string position, slider;
    long spectrum_of;      // where the segment whose spectra are shown starts; -1: no segment
    long segment_at = -1;  // where the segment starts, when not where its spectra are from
    // "power caption | phase caption | tooltip under the pointer | band over view 1";
    // not checked when empty; kAsIfJustPointed: what the pointer's last "point" would read
    // if it came there now.
    std::string readouts = "";
    double ratio = 1;  // the screen's pixel ratio
    // The reference held at the end: "FILE POSITION", with " unfit" when its segment does not
    // fit at the present N; empty for none.
    std::string reference = "";
    // The orange band over view 1 where the reference lies, "FIRST,LAST"; empty for none.
    std::string reference_band = "";
};
const std::string kAsIfJustPointed = "as if just pointed";
// Bin 156 of the segment at 9000, read by the captions and the tooltip: in noise the
// strongest bin in reach is no peak, and reads at its own frequency (156 · 44100/1024) and
// level (20·log10(√(e^12.68 − 1)/8839.73)).
// clang-format off
const std::string kBin156 = "power   6718.36 Hz   -23.85 dBFS   bin 156 | phase   6718.36 Hz   -0.226 rad   bin 156 | bin 156 of 1024, 6718.36 Hz, -23.85 dBFS, ln(1+P) 12.68, phase -0.226 rad";
// clang-format on
void PrintTo(const Walk& walk, std::ostream* out) {
    *out << walk.wave_samples << " samples: " << walk.script;
}

class Walks : public ScriptedScenario, public testing::WithParamInterface<Walk> {
  protected:
    std::string readouts() {
        return label(names::kPowerCaption) + " | " + label(names::kPhaseCaption) + " | " +
               session.tooltipUnderPointer().value_or("none") + " | " +
               text(names::kWholeWaveArea, _WSNoverlayBand());
    }
    // The whole-wave area shows its view tinted over the bands' columns (each device pixel
    // of which a part lies in them; orange under blue) and untouched elsewhere; the view's
    // own picture holds no tint. Compared over the device pixels that lie wholly inside the
    // area.
    void expectBandShown(double ratio) {
        int first = -1, last = -2, second_first = -1, second_last = -2;
        std::sscanf(text(names::kWholeWaveArea, _WSNoverlayBand()).c_str(), "%d,%d", &first, &last);
        std::sscanf(text(names::kWholeWaveArea, _WSNoverlaySecondBand()).c_str(), "%d,%d",
                    &second_first, &second_last);
        QWidget* area = session.qtWidget(names::kWholeWaveArea);
        QImage shown(mdev->width(), mdev->height(), QImage::Format_RGB32);
        shown.setDevicePixelRatio(ratio);
        area->render(&shown);
        int wrong = 0, tinted_white = 0;
        for (int y = 0; y < int(area->height() * ratio); ++y) {
            for (int x = 0; x < int(area->width() * ratio); ++x) {
                const uint32_t own = mdev->pixel(x, y);
                const auto in = [&](int from, int to) {
                    return x + 1 > from * ratio && x < (to + 1) * ratio;
                };
                const uint32_t under =
                    in(second_first, second_last) ? bandPixel(own, kSecondBandColour) : own;
                wrong += shown.pixel(x, y) != (in(first, last) ? bandPixel(under) : under);
                tinted_white += own == 0xffcfebfau;
            }
        }
        EXPECT_EQ(wrong, 0);
        EXPECT_EQ(tinted_white, 0);
    }

    // The reference held as the row says: its file's name and position, and its log power at
    // the present N against FFTW over that file's samples there.
    void expectReference(const std::string& expected,
                         const std::map<std::string, std::vector<int16_t>>& files) {
        if (expected.empty()) {
            EXPECT_FALSE(heldReference);
            return;
        }
        ASSERT_TRUE(heldReference);
        std::istringstream words(expected);
        std::string name, fit;
        long position = 0;
        words >> name >> position >> fit;
        EXPECT_EQ(heldReference->name, name);
        EXPECT_EQ(heldReference->position, position);
        if (fit == "unfit") {
            EXPECT_TRUE(heldReference->log_power.empty());
            return;
        }
        const auto bins = hammingSpectrum(files.at(name).data() + position, selsize);
        ASSERT_EQ(heldReference->log_power.size(), std::size_t(selsize / 2));
        for (long k = 0; k < selsize / 2; ++k)
            ASSERT_NEAR(heldReference->log_power[k], std::log1p(std::norm(bins[k])), 1e-9) << k;
    }

    // Drawn at the screen's resolution, not pixel-doubled: inside its frame, apart from the
    // centre line, some aligned 2 x 2 block of the view's device pixels holds two colours.
    static bool showsFinerThanLogicalPixels(const WSDdev& device, bool centre_line) {
        const int w = device.width() / 2, h = device.height() / 2;  // logical, at ratio 2
        const int mx = 3 * w / 100, my = 3 * h / 100;
        for (int y = 2 * my + 2; y + 1 < 2 * (h - my); y += 2) {
            if (centre_line && y / 2 == h / 2) continue;
            for (int x = 2 * mx + 2; x + 1 < 2 * (w - mx); x += 2) {
                const uint32_t corner = device.pixel(x, y);
                if (device.pixel(x + 1, y) != corner || device.pixel(x, y + 1) != corner ||
                    device.pixel(x + 1, y + 1) != corner)
                    return true;
            }
        }
        return false;
    }
};

TEST_P(Walks, EndWhereTheRowSays) {
    const Walk& walk = GetParam();
    session.showAtPixelRatio(walk.ratio);
    const std::vector<int16_t> samples = wave_builder::pattern(walk.wave_samples);
    file("w.wav", samples);
    file("short.wav", wave_builder::pattern(1000));
    std::istringstream script(walk.script);
    std::string last_point;
    for (std::string line; std::getline(script, line);) {
        perform(line);
        if (line.starts_with("point ")) last_point = line;
    }

    EXPECT_EQ(label(names::kPositionLabel), walk.position);
    EXPECT_EQ(slider(), walk.slider);
    // A loaded wave's slider can be used exactly when a segment fits, even at one position.
    if (walk.wave_samples) {
        EXPECT_EQ(session.qtWidget(names::kPositionSlider)->isEnabled(), walk.spectrum_of >= 0);
    }
    if (walk.readouts == kAsIfJustPointed) {
        const std::string followed = readouts();
        session.leave();
        perform(last_point);
        EXPECT_EQ(followed, readouts());
    } else if (!walk.readouts.empty()) {
        EXPECT_EQ(readouts(), walk.readouts);
    }
    if (walk.wave_samples) expectBandShown(walk.ratio);
    expectReference(walk.reference,
                    {{"w.wav", samples}, {"short.wav", wave_builder::pattern(1000)}});
    EXPECT_EQ(text(names::kWholeWaveArea, _WSNoverlaySecondBand()), walk.reference_band);
    // What the views draw is checked against reviewed pictures elsewhere.
    ASSERT_EQ(seliii != nullptr, walk.spectrum_of >= 0);
    if (!seliii) return;
    const long segment_at = walk.segment_at < 0 ? walk.spectrum_of : walk.segment_at;
    const auto from = [&](long start) {
        return std::vector<short>(samples.begin() + start, samples.begin() + start + selsize);
    };
    EXPECT_EQ(segment(), from(segment_at));
    // The log power of the Hamming-windowed segment, ln(1 + |X_k|²), computed independently.
    const auto spectrum = hammingSpectrum(from(walk.spectrum_of).data(), selsize);
    for (long k = 0; k < selsize / 2; ++k)
        ASSERT_NEAR(power[k], std::log1p(std::norm(spectrum[k])), 1e-9) << k;
    // Each area shows its view.
    const char* areas[] = {names::kWholeWaveArea, names::kSegmentArea, names::kPowerArea,
                           names::kPhaseArea};
    // (The power plot with a reference shows the overlay over its view, checked apart.)
    for (int v = 1; v <= 4; ++v) {
        if (v == 3 && heldReference) continue;
        EXPECT_EQ(pixels(session.find(areas[v - 1])->getdev()), view(v)) << v;
    }
    if (walk.ratio == 2) {
        const WSDmwindowDev* devices[] = {mdev, mdev2, mdev3, mdev4};
        for (int v = 1; v <= 4; ++v)
            EXPECT_TRUE(showsFinerThanLogicalPixels(*devices[v - 1], v != 3)) << v;
        // The window's picture at that ratio shows view 2 pixel for pixel, at twice its place.
        const QImage picture = session.grabWindow(2);
        const QPoint at = session.qtWidget(names::kSegmentArea)->pos() * 2;
        int wrong = 0;
        for (int y = 0; y < mdev2->height(); ++y)
            for (int x = 0; x < mdev2->width(); ++x)
                wrong += picture.pixel(at.x() + x, at.y() + y) != mdev2->pixel(x, y);
        EXPECT_EQ(wrong, 0);
    }
}

// 6000 samples at the first size, 1024, give positions 0 to 4976 and a drag interval of 99.
// clang-format off
INSTANTIATE_TEST_SUITE_P(ShortWaves, Walks, testing::Values(
    Walk{6000, "load w.wav", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nslide 300", "300", "300 0 4976 99", 0, 300},
    Walk{6000, "load w.wav\nslide 300\nrelease", "300", "300 0 4976 99", 300},
    Walk{6000, "load w.wav\nslide 4976\nrelease", "4976", "4976 0 4976 99", 4976},
    Walk{6000, "load w.wav\nkey Right", "1", "1 0 4976 99", 1},
    Walk{6000, "load w.wav\nkey End\nkey PageUp", "4976", "4976 0 4976 99", 4976},
    Walk{6000, "load w.wav\nkey End\nkey PageDown\nkey Left", "4876", "4876 0 4976 99", 4876},
    Walk{6000, "load w.wav\nslide 70\nrelease\nkey Home", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nslide 5\nrelease\nback", "4", "4 0 4976 99", 4},
    Walk{6000, "load w.wav\nback", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nkey End\nforw", "4976", "4976 0 4976 99", 4976},
    Walk{6000, "load w.wav\nkey End\nforw\nforw\nback", "4975", "4975 0 4976 99", 4975},
    // Choosing the size shown again starts over at 0, through the slider's value change.
    Walk{6000, "load w.wav\nslide 800\nrelease\nsize 1024", "0", "0 0 4976 99", 0},
    Walk{6000, "load w.wav\nsize 512", "0", "0 0 5488 109", 0},
    Walk{9000, "size 4096\nload w.wav", "0", "0 0 4904 98", 0},
    // A wave of exactly N samples has one position.
    Walk{1024, "load w.wav\nforw\nkey End", "0", "0 0 0 0", 0},
    // Shorter than N: a negative range truncated toward zero, and no segment until a size fits.
    Walk{1000, "load w.wav", "0", "0 0 -24 0", -1},
    Walk{1000, "load w.wav\nsize 512", "0", "0 0 488 9", 0},
    Walk{3000, "load w.wav\nsize 4096", "0", "0 0 -1096 -21", -1},
    Walk{3000, "load w.wav\nsize 4096\nsize 2048", "0", "0 0 952 19", 0},
    Walk{2000, "size 4096\nload w.wav\nforw\nback\nkey Right\nslide 9\nrelease", "0", "0 0 -2096 -41", -1},
    // Before any load nothing moves, and of the slider only the minimum reads anything.
    Walk{0, "forw\nback\nkey End\nslide 9\nrelease\nsize 512", "position", " 0  ", -1},
    // 22050 samples at 1024: column c of view 1 starts with sample 35 (c - 20); the band
    // covers the segment's columns. A click puts the segment under the pointer, a jitter of
    // three pixels is still a click, a drag follows the pointer and stops at the ends, and
    // the pointer moving on after a click leaves the segment where it is.
    Walk{22050, "load w.wav", "0", "0 0 21026 420", 0, -1, "power | phase | none | 20,49"},
    Walk{22050, "load w.wav\nclick 240 60", "3500", "3500 0 21026 420", 3500, -1, "power | phase | sample 3500   79.37 ms   -11578 | 120,149"},
    Walk{22050, "load w.wav\nclick 240 60\npoint 400 60", "3500", "3500 0 21026 420", 3500},
    Walk{22050, "load w.wav\ndrag 320 60 323 60", "6405", "6405 0 21026 420", 6405},
    Walk{22050, "load w.wav\ndrag 220 60 420 60", "9800", "9800 0 21026 420", 9800},
    Walk{22050, "load w.wav\nslide 900\nrelease\ndrag 320 60 125 60", "0", "0 0 21026 420", 0},
    Walk{22050, "load w.wav\ndrag 420 60 820 60", "21026", "21026 0 21026 420", 21026},
    Walk{22050, "load w.wav\nslide 3500", "3500", "3500 0 21026 420", 0, 3500, "power | phase | none | 120,149"},
    Walk{22050, "load w.wav\nslide 3499\nrelease\nforw", "3500", "3500 0 21026 420", 3500, -1, "power | phase | none | 120,149"},
    Walk{22050, "load w.wav\nkey End", "21026", "21026 0 21026 420", 21026, -1, "power | phase | none | 620,649"},
    Walk{22050, "load w.wav\nsize 4096", "0", "0 0 17954 359", 0, -1, "power | phase | none | 20,137"},
    // The segment view names the sample under the pointer counted from the file's start;
    // the margins name none.
    Walk{22050, "load w.wav\nslide 3500\nrelease\npoint 146 185", "3500", "3500 0 21026 420", 3500, -1, "power | phase | sample 3510   79.59 ms   -9711 | 120,149"},
    Walk{22050, "load w.wav\npoint 130 60", "0", "0 0 21026 420", 0, -1, "power | phase | none | 20,49"},
    Walk{22050, "load w.wav\npoint 780 185", "0", "0 0 21026 420", 0, -1, "power | phase | none | 20,49"},
    // A pointer resting over a plot reads what it shows now, as if it had just come there.
    Walk{22050, "load w.wav\npoint 130 360\nslide 9000\nrelease", "9000", "9000 0 21026 420", 9000, -1, kBin156 + " | 277,306"},
    // The same logical point reads the same bin at every pixel ratio.
    Walk{22050, "load w.wav\npoint 130 360\nslide 9000\nrelease", "9000", "9000 0 21026 420", 9000, -1, kBin156 + " | 277,306", 1.25},
    Walk{22050, "load w.wav\npoint 130 360\nslide 9000\nrelease", "9000", "9000 0 21026 420", 9000, -1, kBin156 + " | 277,306", 1.5},
    Walk{22050, "load w.wav\npoint 130 360\nslide 9000\nrelease", "9000", "9000 0 21026 420", 9000, -1, kBin156 + " | 277,306", 2},
    // At 1200 x 900, view 1 has mx = 32 and 1006 columns: column c starts with sample
    // ⌈(c - 32) · 22050/1006⌉, so the segment at 0 covers columns 32 to 78, a click at column
    // 300 puts it at 5875 (columns 300 to 346), and 9000 lies at columns 442 to 489. On the
    // power plot (mx = 17, 554 columns) bin k lies at column 17 + ⌊k · 554/512⌋: bins 153 to
    // 158 are within reach of column 185, bin 156 the strongest among them as above.
    Walk{22050, "load w.wav\nresize 1200 900", "0", "0 0 21026 420", 0, -1, "power | phase | none | 32,78", 2},
    Walk{22050, "load w.wav\nresize 1200 900\nclick 420 60", "5875", "5875 0 21026 420", 5875, -1, "power | phase | sample 5875   133.22 ms   28995 | 300,346"},
    Walk{22050, "resize 1200 900\nload w.wav\nclick 420 60", "5875", "5875 0 21026 420", 5875, -1, "power | phase | sample 5875   133.22 ms   28995 | 300,346", 2},
    Walk{22050, "load w.wav\nresize 1200 900\npoint 195 460\nslide 9000\nrelease", "9000", "9000 0 21026 420", 9000, -1, kBin156 + " | 442,489", 1.5},
    // A pointer resting where the window grew reads what lies under it now.
    Walk{22050, "load w.wav\npoint 520 360\nresize 1200 900", "0", "0 0 21026 420", 0, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\npoint 420 185\nslide 3000\nrelease", "3000", "3000 0 21026 420", 3000, -1, "power | phase | sample 3456   78.37 ms   -28038 | 105,134"},
    // Every kind of move, under the pointer resting on either spectrum or the segment.
    Walk{22050, "load w.wav\npoint 520 360\nslide 9000\nrelease", "9000", "9000 0 21026 420", 9000, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\npoint 130 360\nkey End", "21026", "21026 0 21026 420", 21026, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\npoint 520 400\nkey PageUp", "420", "420 0 21026 420", 420, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\npoint 520 360\nforw", "1", "1 0 21026 420", 1, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\nslide 50\nrelease\npoint 130 360\nback", "49", "49 0 21026 420", 49, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\npoint 600 300\nsize 2048", "0", "0 0 20002 400", 0, -1, kAsIfJustPointed},
    Walk{22050, "load w.wav\npoint 420 185\nkey Right", "1", "1 0 21026 420", 1, -1, kAsIfJustPointed},
    // The keys read the focused spectrum plot: bin 0 of the segment at 3500 holds the
    // windowed mean 56.21 (hand-summed), -43.93 dBFS at phase 0; their reading is left out
    // while the slider has the keys, which move it again. Escape ends it: the next key starts
    // afresh.
    Walk{22050, "load w.wav\nslide 3500\nrelease\nfocus phase\nkey End\nkey Home", "3500", "3500 0 21026 420", 3500, -1, "power   0.00 Hz   -43.93 dBFS   bin 0 | phase   0.00 Hz   0.000 rad   bin 0 | none | 120,149"},
    Walk{22050, "load w.wav\nslide 3500\nrelease\nfocus phase\nkey End\nkey Escape\nkey Right", "3500", "3500 0 21026 420", 3500, -1, "power   0.00 Hz   -43.93 dBFS   bin 0 | phase   0.00 Hz   0.000 rad   bin 0 | none | 120,149"},
    Walk{22050, "load w.wav\nfocus power\nkey Right\nfocus slider\nkey End", "21026", "21026 0 21026 420", 21026, -1, "power | phase | none | 620,649"},
    // The captions read their own texts again when the pointer leaves, moves to another
    // widget or farther than three pixels from any bin, and when no segment fits.
    Walk{3000, "load w.wav\npoint 502 425\nleave", "0", "0 0 1976 39", 0, -1, "power | phase | none | 20,234"},
    Walk{3000, "load w.wav\npoint 502 425\npoint 50 170", "0", "0 0 1976 39", 0, -1, "power | phase | none | 20,234"},
    Walk{3000, "load w.wav\npoint 502 425\npoint 396 400", "0", "0 0 1976 39", 0, -1, "power | phase | none | 20,234"},
    // Without a segment a click or a drag on view 1 does nothing, and the pointer over the
    // other plots says why.
    Walk{3000, "load w.wav\npoint 502 425\nsize 4096\nclick 420 60\ndrag 220 60 520 60", "0", "0 0 -1096 -21", -1, -1, "power | phase | sample 1810   41.04 ms   -19235 | "},
    Walk{1500, "size 512\nload w.wav\nsize 4096\npoint 420 185", "0", "0 0 -2596 -51", -1, -1, "power | phase | 1500 samples: a segment of 4096 does not fit; choose 1024 or less | "},
    Walk{9000, "load w.wav\nload short.wav\npoint 110 360", "0", "0 0 -24 0", -1, -1, "power | phase | 1000 samples: a segment of 1024 does not fit; choose 512 or less | "},
    Walk{1024, "load w.wav\nsize 2048\npoint 110 360", "0", "0 0 -1024 -20", -1, -1, "power | phase | 1024 samples: a segment of 2048 does not fit; choose 1024 or less | "},
    Walk{300, "load w.wav\npoint 502 360", "0", "0 0 -724 -14", -1, -1, "power | phase | 300 samples: a segment of 1024 does not fit; no size fits: a segment needs at least 512 samples | "},
    Walk{1500, "load w.wav\nsize 4096\nsize 512\npoint 420 185", "0", "0 0 988 19", 0, -1, "power | phase | sample 228   5.17 ms   3036 | 20,234"},
    // A reference held stays where it was while the segment moves on; analysed again at each
    // size, or not fitting; it outlives loads; before a load, or with no segment, nothing is
    // held, and a file or position that cannot be the reference leaves the one held.
    // While it is a segment of the wave loaded (held, or opened from the same file), view 1
    // shows it in orange as the band's formula lays it, 20 + ⌊i · 630/6000⌋ from sample i at
    // 6000 samples: 300 … 1323 at columns 51 … 158 (⌊31.5⌋, ⌊138.9⌋), … 2347 at 266
    // (⌊246.4⌋); 0 … 1023 at 20 … 127 (⌊107.4⌋), … 511 at 73 (⌊53.7⌋). None from another
    // file, after another file's load, when it does not fit, or when dropped.
    Walk{6000, "load w.wav\nslide 300\nrelease\nreference hold\nforw", "301", "301 0 4976 99", 301, -1, "", 1, "w.wav 300", "51,158"},
    Walk{6000, "load w.wav\nreference open w.wav 300", "0", "0 0 4976 99", 0, -1, "", 1, "w.wav 300", "51,158"},
    Walk{6000, "load w.wav\nslide 300\nrelease\nreference hold\nsize 2048", "0", "0 0 3952 79", 0, -1, "", 1, "w.wav 300", "51,266"},
    Walk{6000, "load w.wav\nslide 4976\nrelease\nreference hold\nsize 2048", "0", "0 0 3952 79", 0, -1, "", 1, "w.wav 4976 unfit"},
    Walk{6000, "size 512\nload w.wav\nreference hold\nload short.wav", "0", "0 0 488 9", 0, -1, "", 1, "w.wav 0"},
    Walk{6000, "size 512\nload w.wav\nreference hold\nload short.wav\nload w.wav", "0", "0 0 5488 109", 0, -1, "", 1, "w.wav 0", "20,73"},
    Walk{6000, "load w.wav\nreference hold\nreference drop", "0", "0 0 4976 99", 0},
    Walk{6000, "size 512\nload w.wav\nreference open short.wav 400\nload w.wav\nforw", "1", "1 0 5488 109", 1, -1, "", 1, "short.wav 400"},
    Walk{6000, "size 512\nload w.wav\nreference open short.wav 400\nsize 1024", "0", "0 0 4976 99", 0, -1, "", 1, "short.wav 400 unfit"},
    Walk{6000, "size 512\nload w.wav\nreference open short.wav 400\nsize 1024\nsize 512\nreference drop\nreference hold", "0", "0 0 5488 109", 0, -1, "", 1, "w.wav 0", "20,73"},
    Walk{6000, "load w.wav\nreference hold\nreference open short.wav 0\nreference open w.wav 4977\nreference open none.wav 1", "0", "0 0 4976 99", 0, -1, "", 1, "w.wav 0", "20,127"},
    Walk{0, "reference hold\nreference open short.wav 0", "position", " 0  ", -1},
    // The last position, 6000 − 1024 = 4976, fits; the power caption's tooltip names the
    // reference. Its band: 20 + ⌊4976 · 0.105⌋ = 542 … 20 + ⌊5999 · 0.105⌋ = 649.
    Walk{6000, "load w.wav\nreference open w.wav 4976\npoint 100 248", "0", "0 0 4976 99", 0, -1, "power | phase | reference: w.wav, N 1024, position 4976 | 20,127", 1, "w.wav 4976", "542,649"},
    // Over the power plot the reading adds the difference from the reference: none from itself.
    Walk{22050, "load w.wav\nslide 9000\nrelease\nreference hold\npoint 130 360", "9000", "9000 0 21026 420", 9000, -1, kBin156 + ", Δ 0.00 dB | 277,306", 1, "w.wav 9000", "277,306"},
    // Over the phase plot, at the same column of it, the reading has no difference.
    Walk{22050, "load w.wav\nslide 9000\nrelease\nreference hold\npoint 522 360", "9000", "9000 0 21026 420", 9000, -1, kBin156 + " | 277,306", 1, "w.wav 9000", "277,306"},
    // The orange band follows a resize as the blue one does (columns as at 1200 x 900 above).
    Walk{22050, "load w.wav\nslide 9000\nrelease\nreference hold\nkey Home\nresize 1200 900", "0", "0 0 21026 420", 0, -1, "", 1.5, "w.wav 9000", "442,489"},
    Walk{1000, "load w.wav\nreference hold", "0", "0 0 -24 0", -1}));
// clang-format on

}  // namespace

namespace {

class Overlay : public ScriptedScenario {};

// A tone of 16384 centred on bin 100 of 1024 points against the same tone at 8192: its peak
// bin holds ln(1 + (A·552.5/2048)²), 16.789 and 15.403. On the 388 x 330 power plot (mx 11,
// my 9, 312 rows from the top margin to the bottom axis) bin 100 lies at column
// 11 + ⌊100 · 366/512⌋ = 82; the current peak, the larger, reaches row 9 in the view's black,
// and the reference's, on the same scale, row ⌊321 − 312 · 15.403/16.789⌋ = 34, in orange.
// Away from the curves the frame's inside is white; the view's own picture has no orange.
TEST_F(Overlay, DrawsTheReferenceOnTheLargerPeaksScale) {
    const double bin_100_hz = 100 * 44100.0 / 1024;
    file("loud.wav", wave_builder::sine(bin_100_hz, 16384, 6000));
    file("soft.wav", wave_builder::sine(bin_100_hz, 8192, 6000));
    for (const char* line : {"load loud.wav", "reference open soft.wav 0"}) perform(line);
    const WSDdev& shown = *session.find(names::kPowerArea)->getdev();
    EXPECT_EQ(shown.pixel(82, 9), 0xff000000u);
    EXPECT_EQ(shown.pixel(82, 34), 0xfff67400u);
    EXPECT_EQ(shown.pixel(82, 33), 0xffffffffu);
    EXPECT_EQ(shown.pixel(300, 20), 0xffffffffu);
    const auto own = pixels(mdev3);
    EXPECT_EQ(std::count(own.begin(), own.end(), 0xfff67400u), 0);
    // On the logarithmic axis (bins 1 … 512) both follow bin 100 to 11 + ⌊366 · ln 100 / ln 512⌋
    // = 281, at the same rows.
    perform("axis log");
    EXPECT_EQ(shown.pixel(281, 9), 0xff000000u);
    EXPECT_EQ(shown.pixel(281, 34), 0xfff67400u);
    EXPECT_EQ(shown.pixel(82, 34), 0xffffffffu);
    perform("axis linear");
    // The difference, 20·log10(2) = +6.02 dB at bin 100, on ±40 dB over the 312 rows:
    // row ⌊165 − 6.02 · 312/80⌋ = 141, above the centre line.
    perform("difference on");
    EXPECT_EQ(shown.pixel(82, 141), 0xfff67400u);
    perform("difference off");
    perform("reference drop");
    EXPECT_EQ(pixels(session.find(names::kPowerArea)->getdev()), own);
}

class Zoom : public ScriptedScenario {};

// The two-tone sample zoomed two notches about the power plot's column 52 (t = 41/366): from
// 22050·t·(1 − 1/1.25²) = 889.2 Hz, 14112 Hz wide, past the 440 Hz peak. The 2500 Hz one, bin
// 58 (2497.9 Hz), reaches row 9 at column ⌊11 + 366·(2497.9 − 889.2)/14112⌋ = 52.
TEST_F(Zoom, TheLargestValueShownReachesTheTop) {
    load(SAMPLES_DIR "/two-tones.wav");
    perform("wheel 62 400 2");
    EXPECT_EQ(session.find(names::kPowerArea)->getdev()->pixel(52, 9), 0xff000000u);
}

}  // namespace
