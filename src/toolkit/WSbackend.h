#pragma once

#include <memory>
#include <optional>
#include <string>

class WSCbase;
class WSCpeer;
class WSCfileSelect;
class WSCmessageDialog;
class WSCexcerptPicker;

// A whole number asked of the user: a one-line prompt, the value offered first and the
// range the answer must lie in.
struct WSnumberQuestion {
    std::string title, prompt;
    long value = 0, minimum = 0, maximum = 0;
};

// What a windowing backend provides. Without one installed the core still keeps every
// table, procedure and picture, and the dialogs answer "cancel".
class WSbackend {
  public:
    virtual ~WSbackend() = default;
    // Called once per widget, from its initialize().
    virtual std::unique_ptr<WSCpeer> realise(WSCbase& widget) = 0;
    // Shows the file dialog modally; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> runFileDialog(WSCfileSelect& dialog) = 0;
    // Shows the message dialog modally until the user closes it.
    virtual void runMessageDialog(WSCmessageDialog& dialog) = 0;
    // Asks where to save, proposed_path first; the chosen path, or nothing when cancelled.
    virtual std::optional<std::string> runSaveDialog(const std::string& proposed_path,
                                                     const std::string& filter) = 0;
    // Shows the excerpt picker modally; true when the user confirmed a choice.
    virtual bool runExcerptPicker(WSCexcerptPicker& picker) = 0;
    // Asks for a whole number in the question's range modally; nothing when cancelled.
    virtual std::optional<long> runNumberDialog(const WSnumberQuestion& question) = 0;
};

// Answers the dialogs in place of the user (tests and the command-line tool).
class WSdialogResponder {
  public:
    virtual ~WSdialogResponder() = default;
    virtual std::optional<std::string> chooseFile(WSCfileSelect& dialog) = 0;
    virtual void takeMessage(WSCmessageDialog& dialog) = 0;
    virtual std::optional<std::string> chooseSaveFile(const std::string& proposed_path) = 0;
    // Chooses in the picker as the user would; true for OK.
    virtual bool chooseExcerpt(WSCexcerptPicker& picker) = 0;
    // Answers the number question as the user would; nothing for cancel.
    virtual std::optional<long> chooseNumber(const WSnumberQuestion& question) = 0;
};

// Neither is owned; null uninstalls.
void WSinstallBackend(WSbackend* backend);
WSbackend* WSinstalledBackend();
void WSinstallDialogResponder(WSdialogResponder* responder);
WSdialogResponder* WSinstalledDialogResponder();
