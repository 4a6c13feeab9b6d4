#pragma once

#include <string>

#include "toolkit/WSCbase.h"
#include "toolkit/WSCstring.h"

// The shared file selection dialog. Placed by _WSNx/_WSNy; after a confirmed choice
// getFileName gives the full path and _WSNfileName the file's name without its folder.
class WSCfileSelect : public WSCbase {
public:
    WSCfileSelect();
    // Modal; 1 when a file was confirmed, 0 otherwise.
    long popup();
    WSCstring getFileName() const { return WSCstring(path_.c_str()); }
    // The folder of the last confirmed file, where the next choice starts.
    const std::string& lastDirectory() const { return last_directory_; }

private:
    std::string path_;
    std::string last_directory_;
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
