#include "toolkit/qt/qt_command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

namespace wsqt {

DesktopCommandLine readCommandLine(const QStringList& arguments, const WSdesktop& description) {
    const QString program =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.constFirst()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(description.summary));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a WAVE file to open"),
                                 QStringLiteral("[FILE]"));

    DesktopCommandLine result;
    if (!parser.parse(arguments)) {
        result.err = QStringLiteral("%1: %2 (see %1 --help)\n")
                         .arg(program, parser.errorText())
                         .toStdString();
        result.exit_code = kExitUsage;
        return result;
    }
    // --help-all comes with the help option; Qt's own options are listed in its documentation.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Qt names the program by the path it was started with; the usage line by its name.
        const QString text = parser.helpText();
        result.out = (QStringLiteral("Usage: ") + program +
                      text.mid(text.indexOf(QStringLiteral(" [options]"))))
                         .toStdString();
        result.exit_code = 0;
        return result;
    }
    if (parser.isSet(version)) {
        result.out = (program + QLatin1Char(' ') + QString::fromStdString(description.version) +
                      QLatin1Char('\n'))
                         .toStdString();
        result.exit_code = 0;
        return result;
    }
    QStringList files = parser.positionalArguments();
    if (files.isEmpty()) return result;
    result.file = files.takeFirst().toStdString();
    if (!files.isEmpty()) {
        result.err = QStringLiteral("%1: only the first file is opened; ignored: %2\n")
                         .arg(program, files.join(QLatin1Char(' ')))
                         .toStdString();
    }
    return result;
}

std::optional<QString> textOnlyOption(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QString argument = QString::fromLocal8Bit(argv[i]);
        if (argument == QLatin1String("--")) break;
        for (const char* option : {"-h", "--help", "-?", "--help-all", "-v", "--version"}) {
            if (argument == QLatin1String(option)) return argument;
        }
    }
    return std::nullopt;
}

}  // namespace wsqt
