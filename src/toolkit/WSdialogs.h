#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/WSCbase.h"
#include "toolkit/WSCstring.h"
#include "toolkit/WSbackend.h"

// The shared file selection dialog. Placed by _WSNx/_WSNy; after a confirmed choice
// getFileName gives the full path and _WSNfileName the file's name without its folder.
class WSCfileSelect : public WSCbase {
  public:
    WSCfileSelect();
    // Modal; 1 when a file was confirmed, 0 otherwise.
    long popup();
    // The next popup confirms path at once, without showing anything: a file handed in from
    // outside is chosen exactly as a user who picked it straight away.
    void confirmNext(std::string path) { next_answer_ = std::move(path); }
    WSCstring getFileName() const { return WSCstring(path_.c_str()); }
    // The next popup, and that one only, has this title and these name filters ("Sound files
    // (*.flac *.wav)"); otherwise the dialog offers WAVE files.
    void offerNext(std::string title, std::vector<std::string> name_filters);
    const std::string& title() const { return title_; }
    const std::vector<std::string>& nameFilters() const { return name_filters_; }

    // The program accepted the last confirmed file: the next choice starts in its folder,
    // and the folder listener hears of it. A confirmed file that is refused does not count.
    void keepFolder();
    // Where the next choice starts; empty until a folder was kept or set.
    const std::string& lastDirectory() const { return last_directory_; }
    void setLastDirectory(std::string folder) { last_directory_ = std::move(folder); }
    // Null stops the listening.
    void setFolderListener(std::function<void(const std::string&)> listener) {
        folder_listener_ = std::move(listener);
    }

  private:
    std::string path_;
    std::string title_;
    std::vector<std::string> name_filters_;
    std::string last_directory_;
    std::optional<std::string> next_answer_;
    std::function<void(const std::string&)> folder_listener_;
};

// The shared message dialog: shows _WSNlabelString at _WSNx/_WSNy.
class WSCmessageDialog : public WSCbase {
  public:
    WSCmessageDialog();
    // Modal; returns when the user has closed the dialog.
    long popup();
};

WSCfileSelect* WSGIappFileSelect();
WSCmessageDialog* WSGIappMessageDialog();

// Asks the user for a whole number (WSnumberQuestion); the number confirmed, or nothing when
// cancelled. A responder's answer may lie outside the range: the program checks it.
std::optional<long> WSGFaskWholeNumber(const WSnumberQuestion& question);

// Asks the user where to save, offering proposed_path first; filter names the kind of file
// ("PNG picture (*.png)"). The path chosen, or nothing when cancelled.
std::optional<std::string> WSGFchooseSaveFile(const std::string& proposed_path,
                                              const std::string& filter);
