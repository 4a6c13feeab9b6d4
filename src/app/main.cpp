#include <QApplication>
#include <QCoreApplication>
#include <QTimer>
#include <cstdio>
#include <memory>

#include "toolkit/WSapplication.h"
#include "toolkit/WSdesktop.h"
#include "toolkit/qt/qt_command_line.h"
#include "toolkit/qt/qt_gui_start.h"

namespace {

// Prints what the command line asks to print.
void print(const wsqt::DesktopCommandLine& command_line) {
    std::fputs(command_line.out.c_str(), stdout);
    std::fputs(command_line.err.c_str(), stderr);
}

}  // namespace

// sefaro [--from SECONDS] [--channel C] [FILE]. Qt takes its own options (-platform,
// -style …) out of the command line first; a file named on what is left is opened as soon
// as the window is shown, as if it had been dropped on the window, or its excerpt directly
// when --from or --channel asks for one. Everything else happens in the toolkit's init
// handlers and callbacks.
int main(int argc, char** argv) {
    if (const std::optional<QString> option = wsqt::textOnlyOption(argc, argv)) {
        // Only the option itself is read, so Qt's own options around it need no display.
        const QCoreApplication core(argc, argv);
        const wsqt::DesktopCommandLine command_line = wsqt::readCommandLine(
            {QCoreApplication::arguments().constFirst(), *option}, WSGIdesktop());
        print(command_line);
        return command_line.exit_code.value_or(0);
    }
    const std::unique_ptr<QApplication> application = wsqt::startGuiApplication(argc, argv);
    const wsqt::DesktopCommandLine command_line =
        wsqt::readCommandLine(QApplication::arguments(), WSGIdesktop());
    print(command_line);
    if (command_line.exit_code) return *command_line.exit_code;
    if (command_line.file) {
        QTimer::singleShot(
            0, application.get(), [file = *command_line.file, excerpt = command_line.excerpt] {
                if (excerpt) {
                    WSGIdesktop().open_excerpt(file, excerpt->from_s, excerpt->channel);
                } else {
                    WSopenOutsideFile(file);
                }
            });
    }
    return _win_main(argc, argv);
}
