#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "platform/private_heap.h"
#include "platform/riff_io.h"
#include "support/temp_dir.h"
#include "toolkit/WSNames.h"
#include "toolkit/WSbackend.h"
#include "toolkit/WSdialogs.h"
#include "wave/analysis_state.h"
#include "wave/wave_reader.h"

// One message as the user would have seen it.
struct ShownMessage {
    std::string x, y, text;
    bool operator==(const ShownMessage&) const = default;
};

inline void PrintTo(const ShownMessage& m, std::ostream* os) {
    *os << '"' << m.text << "\" at " << m.x << ',' << m.y;
}

class RecordingResponder : public WSdialogResponder {
  public:
    std::optional<std::string> chooseFile(WSCfileSelect&) override { return std::nullopt; }
    void takeMessage(WSCmessageDialog& dialog) override {
        messages.push_back({dialog.getProperty(_WSNx()).text(), dialog.getProperty(_WSNy()).text(),
                            dialog.getProperty(_WSNlabelString()).text()});
    }
    std::vector<ShownMessage> messages;
};

// Everything in the analysis state, by value and by address, to show a refusal changed
// nothing.
struct StateSnapshot {
    long maxsize_ = maxsize, selsize_ = selsize, sampleFreq_ = sampleFreq;
    const void* pointers[6] = {siii, seliii, selRe, selIm, power, phase};
    std::vector<short> wave =
        siii ? std::vector<short>(siii, siii + maxsize) : std::vector<short>();
    std::vector<short> segment =
        seliii ? std::vector<short>(seliii, seliii + selsize) : std::vector<short>();
    std::vector<double> spectra = collect();
    bool operator==(const StateSnapshot&) const = default;

  private:
    static std::vector<double> collect() {
        std::vector<double> out;
        for (const double* array : {selRe, selIm, power, phase}) {
            if (array) out.insert(out.end(), array, array + selsize);
        }
        return out;
    }
};

inline const char* const kMessageX = "120";
inline const char* const kMessageY = "140";

// A fresh analysis state, a responder in place of the user, and a folder for the files.
class ReaderTest : public testing::Test {
  protected:
    void SetUp() override { WSinstallDialogResponder(&responder); }
    void TearDown() override {
        WSinstallDialogResponder(nullptr);
        delete[] siii;
        delete[] seliii;
        for (double** array : {&selRe, &selIm, &power, &phase}) {
            delete[] * array;
            *array = nullptr;
        }
        siii = seliii = nullptr;
        maxsize = selsize = sampleFreq = 0;
    }

    WaveReadOutcome read(const std::string& path, std::size_t heap_limit_bytes = 0) {
        return readWaveFile(path.c_str(), kMessageX, kMessageY, heap_limit_bytes);
    }
    WaveReadOutcome read_bytes(const std::vector<unsigned char>& bytes,
                               std::size_t heap_limit_bytes = 0) {
        return read(dir.write("file.wav", bytes), heap_limit_bytes);
    }

    // A loaded wave and a segment with spectra, as the window has them after a load.
    void load_something() {
        siii = new short[3]{7, -8, 9};
        maxsize = 3;
        sampleFreq = 44100;
        seliii = new short[2]{7, -8};
        selsize = 2;
        for (double** array : {&selRe, &selIm, &power, &phase}) *array = new double[2]{1.5, -2.5};
    }

    // Nothing of a load outlives it.
    static void expect_released() {
        EXPECT_EQ(m_hHeap, nullptr);
        EXPECT_EQ(heapLiveCount(), 0);
        EXPECT_EQ(riffOpenCount(), 0);
    }

    RecordingResponder responder;
    TempDir dir;
};
