// Each view's own picture, after a user loads a wave, chooses a size and lets go of the
// slider, against a reviewed picture in tests/golden/views. The pictures hold no text, so
// they are the same on every machine. A picture that differs fails with the number of
// pixels that differ and is written beside the reviewed one as NAME.new.png;
// scripts/golden --update rewrites the reviewed pictures after a deliberate change.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <cstdlib>
#include <functional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "scenario.h"

namespace {

using wave_builder::sine;

struct Input {
    const char* name;
    std::function<std::vector<int16_t>()> samples;  // none: the sample file of that name
    friend void PrintTo(const Input& row, std::ostream* out) { *out << row.name; }
};

// clang-format off
const Input kInputs[] = {
    {"chirp", {}},
    {"two-tones", {}},
    {"vowel", {}},
    {"loud-then-quiet", [] { auto s = sine(1000, 30000, 8000); for (std::size_t i = 4000; i < s.size(); ++i) s[i] = int16_t(s[i] / 100); return s; }},
    // A quiet tone with a click of each sign: both must reach the frame's edge.
    {"clicks", [] { auto s = sine(700, 2000, 6000); s[2000] = 32767; s[4000] = -32768; return s; }},
    // Exactly 2048 long: one position at 2048, no segment at 4096.
    {"exactly-2048", [] { return sine(3000, 12000, 2048); }},
    // Shorter than every size but 512.
    {"short-700", [] { return sine(5000, 20000, 700); }},
    {"all-lowest", [] { return std::vector<int16_t>(1500, -32768); }},
};
// clang-format on

// A copy of the device's picture.
QImage imageOf(const WSDdev& device) {
    return QImage(reinterpret_cast<const uchar*>(device.bits()), device.width(), device.height(),
                  device.width() * 4, QImage::Format_RGB32)
        .copy();
}

class GoldenViews : public Scenario, public testing::WithParamInterface<std::tuple<Input, long>> {
  protected:
    // Compares the device's picture with the reviewed one named; with SEFARO_GOLDEN_UPDATE
    // set, writes it as the reviewed one instead.
    static void expectGolden(const WSDmwindowDev* device, const std::string& name) {
        ASSERT_NE(device, nullptr) << name;
        const QString golden = QString::fromStdString(GOLDEN_DIR "/" + name);
        // Two colours at most: an exact palette keeps the files small.
        const QImage shown =
            imageOf(*device).convertToFormat(QImage::Format_Indexed8, Qt::ThresholdDither);
        const QImage actual = shown.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(actual, imageOf(*device)) << name << ": no exact palette";
        const QImage reviewed = QImage(golden + ".png").convertToFormat(QImage::Format_RGB32);
        if (std::getenv("SEFARO_GOLDEN_UPDATE")) {
            if (actual != reviewed) shown.save(golden + ".png");
            return;
        }
        long differing = 0;
        for (int y = 0; y < actual.height(); ++y)
            for (int x = 0; x < actual.width(); ++x)
                differing += !reviewed.valid(x, y) || actual.pixel(x, y) != reviewed.pixel(x, y);
        QFile::remove(golden + ".new.png");
        if (differing) {
            shown.save(golden + ".new.png");
            ADD_FAILURE() << name << ": " << differing << " pixels differ; new picture at "
                          << (golden + ".new.png").toStdString();
        }
    }
};

TEST_P(GoldenViews, AtTheFirstMiddleAndLastPosition) {
    const auto& [input, size] = GetParam();
    const std::string path = input.samples ? file("w.wav", input.samples())
                                           : std::string(SAMPLES_DIR "/") + input.name + ".wav";
    // The whole wave as the load draws it, and as it stays after a size is chosen.
    load(path);
    expectGolden(mdev, std::string(input.name) + "-wave");
    choose(std::to_string(size).c_str());
    expectGolden(mdev, std::string(input.name) + "-wave");
    if (!seliii) {
        // Views 2 to 4 show the frames of a wave of 44100 Hz, whatever the wave.
        for (const auto& [device, view] :
             {std::pair{mdev2, "segment"}, {mdev3, "power"}, {mdev4, "phase"}}) {
            expectGolden(device, std::string("no-segment-") + view);
        }
        return;
    }
    const long last = maxsize - selsize;
    for (const long position : std::set<long>{0, last / 2, last}) {
        slideTo(int(position));
        letGo();
        const std::string row =
            std::string(input.name) + "-" + std::to_string(size) + "-" + std::to_string(position);
        expectGolden(mdev2, row + "-segment");
        expectGolden(mdev3, row + "-power");
        expectGolden(mdev4, row + "-phase");
    }
}

INSTANTIATE_TEST_SUITE_P(Inputs, GoldenViews,
                         testing::Combine(testing::ValuesIn(kInputs),
                                          testing::ValuesIn(names::kSegmentSizes)),
                         [](const auto& info) {
                             std::string name = std::string(std::get<0>(info.param).name) + "_" +
                                                std::to_string(std::get<1>(info.param));
                             for (char& c : name) c = c == '-' ? '_' : c;
                             return name;
                         });

}  // namespace
