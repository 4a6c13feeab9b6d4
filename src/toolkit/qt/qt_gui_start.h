#pragma once

#include <QApplication>
#include <memory>

namespace wsqt {

// Qt's GUI application, started on the display. Where none can be opened, Qt would end the
// process with a core dump; instead the command line is answered as far as it can be without
// a display (a bad option is its one-line error and exit code 64), and otherwise one line
// says that there is no display and the process exits with 1. Qt's messages while it starts
// are held, and shown only when it succeeds.
std::unique_ptr<QApplication> startGuiApplication(int& argc, char** argv);

}  // namespace wsqt
