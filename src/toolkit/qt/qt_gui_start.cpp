#include "toolkit/qt/qt_gui_start.h"

#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <utility>
#include <vector>

#include "toolkit/WSdesktop.h"
#include "toolkit/qt/qt_command_line.h"
#include "toolkit/qt/qt_program_font.h"

namespace wsqt {

namespace {

constexpr int kExitNoDisplay = 1;

// What the message handler, a plain function, needs to know while Qt starts.
struct Start {
    int* argc = nullptr;
    char** argv = nullptr;
    std::vector<std::pair<QtMsgType, QString>> held;
};
Start start;

[[noreturn]] void answerWithoutDisplay() {
    // Qt's own options have one dash (-style fusion); those it has not read yet are left
    // out, and their values read as files, which are not opened anyway.
    QStringList arguments;
    for (int i = 0; i < *start.argc; ++i) {
        const QString argument = QString::fromLocal8Bit(start.argv[i]);
        const bool qt_option = argument.size() > 1 && argument.startsWith(QLatin1Char('-')) &&
                               !argument.startsWith(QLatin1String("--"));
        if (i == 0 || !qt_option) arguments << argument;
    }
    const DesktopCommandLine command_line = readCommandLine(arguments, WSGIdesktop());
    if (command_line.exit_code) {
        std::fputs(command_line.out.c_str(), stdout);
        std::fputs(command_line.err.c_str(), stderr);
        std::fflush(stdout);
        std::_Exit(*command_line.exit_code);
    }
    const QString program = QFileInfo(arguments.value(0)).fileName();
    std::fprintf(stderr, "%s: no display to open the window on (see %s --help)\n",
                 qPrintable(program), qPrintable(program));
    std::_Exit(kExitNoDisplay);
}

void holdMessage(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtFatalMsg) answerWithoutDisplay();
    start.held.emplace_back(type, message);
}

}  // namespace

std::unique_ptr<QApplication> startGuiApplication(int& argc, char** argv) {
    start.argc = &argc;
    start.argv = argv;
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    useProgramFont();
    for (const auto& [type, message] : std::exchange(start.held, {})) {
        if (previous)
            previous(type, QMessageLogContext(), message);
        else
            std::fprintf(stderr, "%s\n", qPrintable(message));
    }
    return application;
}

}  // namespace wsqt
