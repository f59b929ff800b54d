#include "CommandLine.h"

#include "platform/posix/SystemText.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <utility>
#include <vector>

namespace CommandLine {

namespace {

void describe(QCommandLineParser& parser)
{
    parser.setApplicationDescription(
        QStringLiteral("Converts a video to Flash video (FLV or SWF) with ffmpeg."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("file"),
                                 QStringLiteral("The video to convert, a path or a file:// URL."),
                                 QStringLiteral("[file]"));
}

void printError(const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", qPrintable(QCoreApplication::applicationName()),
                 qPrintable(text));
}

// Qt's messages while the application connects to the display, held back until it has: where
// there is no display, they would bury the one line that says so.
QStringList heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    // Qt aborts after this message, and it sends one here only when no platform plugin could
    // start, which on a desktop system means that there is no display.
    if (type == QtFatalMsg) {
        printError(QStringLiteral("no display to show the window on"));
        std::_Exit(EXIT_FAILURE);
    }
    // Qt looks into the runtime folder while it starts, and warns when there is no private one
    // (after su -, over ssh); the work folder is in the user's cache folder then, so the warning
    // would only alarm the user.
    if (type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: ")) &&
        message.contains(QLatin1String("runtime"), Qt::CaseInsensitive))
        return;
    heldMessages << qFormatLogMessage(type, context, message);
}

std::unique_ptr<QApplication> openDisplay(int& argc, char** argv)
{
    const QtMessageHandler previous = qInstallMessageHandler(holdMessage);
    auto application = std::make_unique<QApplication>(argc, argv);
    qInstallMessageHandler(previous);
    for (const QString& message : std::exchange(heldMessages, {}))
        std::fprintf(stderr, "%s\n", qPrintable(message));
    return application;
}

// Qt's own options, such as -platform, are known only to an application with a window system.
// When the parser finds an option it does not know, or --help-all, which lists Qt's options
// too, an application on no display takes Qt's options off and says what the parser makes of
// the rest; it ends the program unless they were all Qt's.
void readWithoutDisplay(int argc, char** argv)
{
    std::vector<QByteArray> copies(argv, argv + argc);
    std::vector<char*> arguments;
    for (auto& copy : copies)
        arguments.push_back(copy.data());
    arguments.push_back(nullptr);
    int count = argc;
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    qputenv("QT_QPA_PLATFORM", "offscreen");
    {
        // What Qt says while it starts an application that shows nothing is of no use here.
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
        const QApplication offscreen(count, arguments.data());
        qInstallMessageHandler(previous);
        QCommandLineParser parser;
        describe(parser);
        parser.process(offscreen);
    }
    if (platform.isNull())
        qunsetenv("QT_QPA_PLATFORM");
    else
        qputenv("QT_QPA_PLATFORM", platform);
}

} // namespace

Start start(int& argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Varnelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNELO_VERSION));
    // The name of the installed desktop entry, by which desktops match the window to its
    // entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pelmora.varnelo"));

    QCommandLineParser parser;
    describe(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const bool known = parser.parse(arguments);
    if (known &&
        (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")))) {
        const QCoreApplication textOnly(argc, argv);
        parser.process(textOnly);
    }
    if (!known || parser.isSet(QStringLiteral("help-all")))
        readWithoutDisplay(argc, argv);

    Start start{openDisplay(argc, argv), {}};
    parser.process(*start.application);
    // The files as the system named them: Qt's text of a name may stand for other bytes.
    QByteArrayList named;
    for (int i = 1; i < argc; ++i) {
        if (parser.positionalArguments().contains(QString::fromLocal8Bit(argv[i])))
            named << QByteArray(argv[i]);
    }
    start.files = files(named);
    return start;
}

std::vector<forms::StartFile::Given> files(const QByteArrayList& arguments)
{
    std::vector<forms::StartFile::Given> given;
    for (const QByteArray& argument : arguments) {
        const std::string_view bytes(argument.constData(), argument.size());
        const auto text = platform::SystemText::read(bytes);
        given.push_back(text ? forms::StartFile::Given{*text}
                             : forms::StartFile::Given{platform::SystemText::shown(bytes), false});
    }
    return given;
}

} // namespace CommandLine
