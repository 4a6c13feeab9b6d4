#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/WSbackend.h"

// A message as the message dialog showed it: its text and the place it stood.
struct WSshownMessage {
    std::string text, x, y;
    bool operator==(const WSshownMessage&) const = default;
};

// A choice in the excerpt picker: where the excerpt starts and its channel (0: the mean).
struct WSexcerptChoice {
    double from_s = 0;
    int channel = 0;
};

// Answers the dialogs as a user following a script (tests, benchmarks, the command line):
// the file dialog and the save dialog take the next queued answer, a path or nothing to
// cancel, and cancel when none is queued; the excerpt picker likewise takes the next queued
// choice and confirms it, or is driven step by step by a driver when one is set; every
// message is kept with its place.
class WSscriptedUser : public WSdialogResponder {
  public:
    void queueAnswer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }
    void queueExcerptChoice(std::optional<WSexcerptChoice> choice) {
        excerpt_choices_.push_back(choice);
    }
    // The answer to the next number question: a number, or nothing to cancel. With none
    // queued, the user confirms the value offered.
    void queueNumber(std::optional<long> number) { numbers_.push_back(number); }
    // Forgets the paths and numbers no dialog took (one that was never shown, or an action
    // that ended before its question).
    void dropAnswers() {
        answers_.clear();
        numbers_.clear();
    }
    // Forgets the choices no picker took (a source short enough needs none).
    void dropExcerptChoices() { excerpt_choices_.clear(); }
    // Acts in the picker while it is shown; returns true for OK. Null: the queued choices.
    void setExcerptDriver(std::function<bool(WSCexcerptPicker&)> driver) {
        excerpt_driver_ = std::move(driver);
    }

    // What was shown since the last call, and where the file dialog stood each time
    // ("x,y").
    std::vector<WSshownMessage> takeMessages();
    std::vector<std::string> takeFileDialogPlaces();
    // The paths the save dialog proposed, since the last call.
    std::vector<std::string> takeSaveProposals();

    std::optional<std::string> chooseFile(WSCfileSelect& dialog) override;
    void takeMessage(WSCmessageDialog& dialog) override;
    std::optional<std::string> chooseSaveFile(const std::string& proposed_path) override;
    bool chooseExcerpt(WSCexcerptPicker& picker) override;
    std::optional<long> chooseNumber(const WSnumberQuestion& question) override;

  private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<WSshownMessage> messages_;
    std::vector<std::string> file_dialog_places_;
    std::vector<std::string> save_proposals_;
    std::deque<std::optional<WSexcerptChoice>> excerpt_choices_;
    std::deque<std::optional<long>> numbers_;
    std::function<bool(WSCexcerptPicker&)> excerpt_driver_;
    std::optional<std::string> nextAnswer();
};
