#include "toolkit/qt/qt_command_line.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include "numbers/excerpt_choice.h"

namespace wsqt {

namespace {

DesktopCommandLine usageError(const QString& program, const QString& why) {
    DesktopCommandLine result;
    result.err = QStringLiteral("%1: %2 (see %1 --help)\n").arg(program, why).toStdString();
    result.exit_code = kExitUsage;
    return result;
}

}  // namespace

DesktopCommandLine readCommandLine(const QStringList& arguments, const WSdesktop& description) {
    const QString program =
        arguments.isEmpty() ? QString() : QFileInfo(arguments.constFirst()).fileName();
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromStdString(description.summary));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("a WAVE file to open"),
                                 QStringLiteral("[FILE]"));
    const QCommandLineOption from(
        QStringLiteral("from"), QStringLiteral("open FILE's excerpt from SECONDS, with no picker"),
        QStringLiteral("SECONDS"));
    const QCommandLineOption channel(
        QStringLiteral("channel"),
        QStringLiteral("the excerpt's channel: mean (the default) or 1, 2, ..."),
        QStringLiteral("C"));
    if (description.open_excerpt) parser.addOptions({from, channel});

    DesktopCommandLine result;
    if (!parser.parse(arguments)) return usageError(program, parser.errorText());
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
    if (description.open_excerpt && (parser.isSet(from) || parser.isSet(channel))) {
        DesktopCommandLine::Excerpt excerpt;
        const QString from_text = parser.value(from), channel_text = parser.value(channel);
        const auto from_s = excerptStartSeconds(from_text.toStdString());
        const auto channel_number = excerptChannel(channel_text.toStdString());
        if (parser.isSet(from) && !from_s)
            return usageError(program, "--from " + from_text + " is not a number of seconds");
        if (parser.isSet(channel) && !channel_number)
            return usageError(program, "--channel " + channel_text + " is not mean or 1, 2, ...");
        if (files.isEmpty())
            return usageError(program, QStringLiteral("--from and --channel need a FILE"));
        excerpt.from_s = from_s.value_or(0);
        excerpt.channel = channel_number.value_or(0);
        result.excerpt = excerpt;
    }
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
