// The converter's ways into the window: Open any sound with its picker, and files handed in
// from outside that the reader refuses for their form. "select WAVE" stays the reader's.
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "names/window_names.h"
#include "scenario.h"
#include "support/sound_writer.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/WSexcerptPicker.h"

namespace {

using wave_builder::pattern;

class OpenAnySound;

struct WayIn {
    std::string name;
    // What the user does, given the test's files by name.
    std::function<void(OpenAnySound&, const std::function<std::string(const char*)>&)> act;
    std::vector<std::string> messages;
    std::vector<std::string> labels = {};  // empty: as before the action
    std::string name_tip = "";             // of the name label; empty: as before the action
    std::string picked = "";               // what the picker's dialog showed, if it was used
    friend void PrintTo(const WayIn& row, std::ostream* out) { *out << row.name; }
};

class OpenAnySound : public Scenario, public testing::WithParamInterface<WayIn> {
  public:
    void selectWave(const std::string& path) { load(path); }
    // Open any sound…, the picker answered with choice or cancelled.
    void openAny(const std::string& path, std::optional<WSexcerptChoice> choice) {
        user.queueAnswer(path);
        user.queueExcerptChoice(choice);
        WSGIdesktop().open_any();
        user.dropExcerptChoices();
    }
    // A file dropped on the window, the picker answered with choice.
    void drop(const std::string& path, std::optional<WSexcerptChoice> choice) {
        user.queueExcerptChoice(choice);
        WSopenOutsideFile(path);
        user.dropExcerptChoices();
    }
    // Open any sound… in the picker's own modal dialog: once it shows, item is chosen in its
    // channel box and OK pressed. Keeps the dialog's line on the excerpt and the envelope's
    // extremes.
    void openInDialog(const std::string& path, const char* item) {
        user.queueAnswer(path);
        user.setExcerptDriver([this, item](WSCexcerptPicker& picker) {
            QTimer::singleShot(0, [&] {
                auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
                auto* box = dialog->findChild<QComboBox*>();
                emit box->activated(box->findText(item));
                const std::vector<float>&low = picker.minimum(), &high = picker.maximum();
                picked = QStringLiteral("%1; envelope %2 to %3")
                             .arg(dialog->findChildren<QLabel*>().last()->text())
                             .arg(*std::min_element(low.begin(), low.end()), 0, 'f', 2)
                             .arg(*std::max_element(high.begin(), high.end()), 0, 'f', 2)
                             .toStdString();
                dialog->accept();
            });
            return WSinstalledBackend()->runExcerptPicker(picker);
        });
        WSGIdesktop().open_any();
        user.setExcerptDriver(nullptr);
    }
    std::string picked;
};

TEST_P(OpenAnySound, LoadsTheChosenExcerptOrChangesNothing) {
    const WayIn& row = GetParam();
    using sound_writer::Tone;
    const auto path = [&](const char* name) { return (dir.path() / name).string(); };
    // clang-format off
    ASSERT_TRUE(sound_writer::writeTone(path("tone.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_24, 48000, 2, 3.2, Tone{1000, 0.5, 0.2}));
    ASSERT_TRUE(sound_writer::writeTone(path("short.flac"), SF_FORMAT_FLAC | SF_FORMAT_PCM_16, 22050, 1, 0.3, Tone{440, 0.5, 0}));
    ASSERT_TRUE(sound_writer::writeTone(path("mono48.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 48000, 1, 0.3, Tone{440, 0.5, 0}));
    ASSERT_TRUE(sound_writer::writeTone(path("pair.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 44100, 2, 0.2, Tone{440, 0.5, 0, 1}));
    ASSERT_TRUE(sound_writer::writeTone(path("mono24.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_24, 44100, 1, 0.3, Tone{440, 0.5, 0}));
    ASSERT_TRUE(sound_writer::writeTone(path("mono8.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_U8, 44100, 1, 0.3, Tone{440, 0.5, 0}));
    ASSERT_TRUE(sound_writer::writeTone(path("long.wav"), SF_FORMAT_WAV | SF_FORMAT_PCM_16, 8000, 1, 40, Tone{440, 0.5, 0}));
    // clang-format on
    dir.write("notes.txt", {'n', 'o', 't', 'e', 's', '\n'});
    load(file("before.wav", pattern(3000)));
    const WSdesktop& desktop = WSGIdesktop();
    WSCbase* name_label = wsqt::HeadlessSession::find(names::kNameLabel);
    const Snapshot before = snapshot();
    const std::string tip_before = desktop.tool_tip(*name_label);

    row.act(*this, path);

    std::vector<std::string> shown;
    for (const WSshownMessage& message : user.takeMessages()) shown.push_back(message.text);
    EXPECT_EQ(shown, row.messages);
    if (row.labels.empty()) {
        EXPECT_EQ(snapshot(), before);
    } else {
        EXPECT_EQ(snapshot().labels, row.labels);
    }
    EXPECT_EQ(desktop.tool_tip(*name_label), row.name_tip.empty() ? tip_before : row.name_tip);
    EXPECT_EQ(picked, row.picked);
}

// clang-format off
const std::string kChannelOneTip = "tone.wav: converted from 48000 Hz, 2 channels (channel 1), 24 bits; 0.500 s from 1.000 s of 0:03.20";
const std::vector<std::string> kConverted = {"tone.wav", "44100Hz", "16bitsPerSamp", "22050", "0"};
INSTANTIATE_TEST_SUITE_P(WaysIn, OpenAnySound, testing::Values(
    WayIn{"select_wave_keeps_the_readers_refusal", [](OpenAnySound& s, auto path) { s.selectWave(path("tone.wav")); }, {"Sorry, this program is for single-channel only"}},
    WayIn{"picker_ok", [](OpenAnySound& s, auto path) { s.openAny(path("tone.wav"), WSexcerptChoice{1.0, 1}); }, {}, kConverted, kChannelOneTip},
    WayIn{"picker_band_stays_before_the_end", [](OpenAnySound& s, auto path) { s.openAny(path("tone.wav"), WSexcerptChoice{99, 0}); }, {}, kConverted, "tone.wav: converted from 48000 Hz, 2 channels (mean), 24 bits; 0.500 s from 2.700 s of 0:03.20"},
    WayIn{"picker_cancel", [](OpenAnySound& s, auto path) { s.openAny(path("tone.wav"), std::nullopt); }, {}},
    WayIn{"short_stereo_asks_for_a_channel", [](OpenAnySound& s, auto path) { s.openAny(path("pair.wav"), std::nullopt); }, {}},
    // pair.wav is shorter than an excerpt, and its tone is in channel 2 only.
    WayIn{"picker_dialog_takes_channel_2", [](OpenAnySound& s, auto path) { s.openInDialog(path("pair.wav"), "channel 2"); }, {}, {"pair.wav", "44100Hz", "16bitsPerSamp", "8820", "0"}, "pair.wav: converted from 44100 Hz, 2 channels (channel 2), 16 bits; 0.200 s from 0.000 s of 0:00.20", "excerpt of 0.200 s from 0.000 s of 0.200 s; envelope -0.50 to 0.50"},
    WayIn{"select_wave_after_a_conversion", [](OpenAnySound& s, auto path) { s.openAny(path("tone.wav"), WSexcerptChoice{}); s.selectWave(path("before.wav")); }, {}, {"before.wav", "44100Hz", "16bitsPerSamp", "3000", "0"}, "before.wav"},
    WayIn{"dropped_mono_at_another_rate", [](OpenAnySound& s, auto path) { s.drop(path("mono48.wav"), std::nullopt); }, {}, {"mono48.wav", "44100Hz", "16bitsPerSamp", "13230", "0"}, "mono48.wav: converted from 48000 Hz, 1 channel, 16 bits; 0.300 s from 0.000 s of 0:00.30"},
    // The reader refuses it for its 24 bits alone; its length reads 40 s, not 1:-20.
    WayIn{"dropped_mono_of_24_bits", [](OpenAnySound& s, auto path) { s.drop(path("mono24.wav"), std::nullopt); }, {}, {"mono24.wav", "44100Hz", "16bitsPerSamp", "13230", "0"}, "mono24.wav: converted from 44100 Hz, 1 channel, 24 bits; 0.300 s from 0.000 s of 0:00.30"},
    WayIn{"dropped_mono_of_8_bits", [](OpenAnySound& s, auto path) { s.drop(path("mono8.wav"), std::nullopt); }, {}, {"mono8.wav", "44100Hz", "16bitsPerSamp", "13230", "0"}, "mono8.wav: converted from 44100 Hz, 1 channel, 8 bits; 0.300 s from 0.000 s of 0:00.30"},
    WayIn{"dropped_long_mono", [](OpenAnySound& s, auto path) { s.drop(path("long.wav"), WSexcerptChoice{}); }, {}, {"long.wav", "44100Hz", "16bitsPerSamp", "22050", "0"}, "long.wav: converted from 8000 Hz, 1 channel, 16 bits; 0.500 s from 0.000 s of 0:40.00"},
    WayIn{"short_mono_needs_no_picker", [](OpenAnySound& s, auto path) { s.openAny(path("short.flac"), std::nullopt); }, {}, {"short.flac", "44100Hz", "16bitsPerSamp", "13230", "0"}, "short.flac: converted from 22050 Hz, 1 channel, 16 bits; 0.300 s from 0.000 s of 0:00.30"},
    WayIn{"not_a_sound", [](OpenAnySound& s, auto path) { s.openAny(path("notes.txt"), WSexcerptChoice{}); }, {"notes.txt: not a sound file that can be read"}},
    WayIn{"dropped_sound_of_another_form", [](OpenAnySound& s, auto path) { s.drop(path("tone.wav"), WSexcerptChoice{1.0, 1}); }, {}, kConverted, kChannelOneTip},
    WayIn{"dropped_file_the_reader_refuses_otherwise", [](OpenAnySound& s, auto path) { s.drop(path("gone.wav"), std::nullopt); }, {"file not found"}},
    WayIn{"command_line_excerpt", [](OpenAnySound&, auto path) { WSGIdesktop().open_excerpt(path("tone.wav"), 1.0, 1); }, {}, kConverted, kChannelOneTip},
    WayIn{"command_line_excerpt_past_the_end", [](OpenAnySound&, auto path) { WSGIdesktop().open_excerpt(path("tone.wav"), 12, 0); }, {"tone.wav: the start 12.000 s is past the end (3.20 s)"}}),
    [](const testing::TestParamInfo<WayIn>& info) { return info.param.name; });
// clang-format on

}  // namespace
