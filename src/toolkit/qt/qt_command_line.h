#pragma once

#include <QStringList>
#include <optional>
#include <string>

#include "toolkit/WSdesktop.h"

namespace wsqt {

// What the program's own command line asks for, once Qt has taken its options (-platform,
// -style …) out: "[FILE]", --help or --version; and, when the program opens excerpts,
// "[--from SECONDS] [--channel mean|C] FILE".
struct DesktopCommandLine {
    std::string out, err;             // to print before anything else
    std::optional<int> exit_code;     // set: exit at once with it, no window
    std::optional<std::string> file;  // to open once the window is shown
    // Set when --from or --channel asks for FILE's excerpt directly.
    struct Excerpt {
        double from_s = 0;
        int channel = 0;  // 0: the mean of all channels
    };
    std::optional<Excerpt> excerpt;
};

inline constexpr int kExitUsage = 64;  // wrong arguments

// arguments[0] is the program's name. Extra files are ignored with a one-line note; an
// unknown option is a one-line error and kExitUsage.
DesktopCommandLine readCommandLine(const QStringList& arguments, const WSdesktop& description);

// The --help or --version option that argv holds before any "--", if any. Qt's GUI start
// needs a display; these two are answered before it, so that they work where there is none.
std::optional<QString> textOnlyOption(int argc, char** argv);

}  // namespace wsqt
