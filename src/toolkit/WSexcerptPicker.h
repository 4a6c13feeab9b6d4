#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "toolkit/WSCbase.h"

// The excerpt picker: a modal dialog that shows a long recording's facts and envelope and
// lets the user choose where a fixed-length excerpt starts and which channel it takes.
// The program sets what to show, then popup(); the choice is read back after OK. The band
// never leaves the recording: its start stays between 0 and lastStart().
class WSCexcerptPicker : public WSCbase {
  public:
    static constexpr int kMeanChannel = 0;

    WSCexcerptPicker();

    // What the dialog shows: one line of facts, the recording's length and channel count,
    // the excerpt's length, and the envelope (smallest and largest sample per column,
    // full scale ±1).
    void setSource(std::string facts, double duration_s, int channels, double band_s,
                   std::vector<float> minimum, std::vector<float> maximum);
    const std::string& facts() const { return facts_; }
    double durationSeconds() const { return duration_s_; }
    double bandSeconds() const { return band_s_; }
    int channels() const { return channels_; }
    const std::vector<float>& minimum() const { return minimum_; }
    const std::vector<float>& maximum() const { return maximum_; }

    // The choice: the excerpt's start and its channel, kMeanChannel or 1 … channels().
    double fromSeconds() const { return from_s_; }
    int channel() const { return channel_; }
    double lastStart() const;
    // Moves the band's start there, kept within 0 … lastStart().
    void moveTo(double from_s);
    // A key on the envelope, by name: Left/Right 0.1 s, PageUp/PageDown 1 s, Home/End either
    // end. False for any other key.
    bool key(std::string_view key_name);
    // False, and no change, for a channel the source does not have.
    bool chooseChannel(int channel);

    // Modal; 1 when the user confirmed the choice, 0 when cancelled.
    long popup();

  private:
    std::string facts_;
    double duration_s_ = 0, band_s_ = 0, from_s_ = 0;
    int channels_ = 1, channel_ = kMeanChannel;
    std::vector<float> minimum_, maximum_;
};

WSCexcerptPicker* WSGIappExcerptPicker();
