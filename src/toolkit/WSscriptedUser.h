#pragma once

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/WSbackend.h"

// A message as the message dialog showed it: its text and the place it stood.
struct WSshownMessage {
    std::string text, x, y;
    bool operator==(const WSshownMessage&) const = default;
};

// Answers the dialogs as a user following a script (tests, benchmarks, the command line):
// the file dialog and the save dialog take the next queued answer, a path or nothing to
// cancel, and cancel when none is queued; every message is kept with its place.
class WSscriptedUser : public WSdialogResponder {
  public:
    void queueAnswer(std::optional<std::string> path) { answers_.push_back(std::move(path)); }

    // What was shown since the last call, and where the file dialog stood each time
    // ("x,y").
    std::vector<WSshownMessage> takeMessages();
    std::vector<std::string> takeFileDialogPlaces();
    // The paths the save dialog proposed, since the last call.
    std::vector<std::string> takeSaveProposals();

    std::optional<std::string> chooseFile(WSCfileSelect& dialog) override;
    void takeMessage(WSCmessageDialog& dialog) override;
    std::optional<std::string> chooseSaveFile(const std::string& proposed_path) override;

  private:
    std::deque<std::optional<std::string>> answers_;
    std::vector<WSshownMessage> messages_;
    std::vector<std::string> file_dialog_places_;
    std::vector<std::string> save_proposals_;
    std::optional<std::string> nextAnswer();
};
