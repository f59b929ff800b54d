#include "CommandLine.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include <cstdio>
#include <cstdlib>
#include <utility>

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

} // namespace

Start start(int& argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("Varnelo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VARNELO_VERSION));
    // The name of the installed desktop entry, by which desktops match the window to its
    // entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("example.pelmora.Varnelo"));

    QCommandLineParser parser;
    describe(parser);
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // Qt's own options, such as -platform, are known only to the application, which needs a
    // display: arguments with those go the long way, and so does --help-all, which lists them.
    if (parser.parse(arguments) &&
        (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")))) {
        const QCoreApplication textOnly(argc, argv);
        parser.process(textOnly);
    }

    Start start{openDisplay(argc, argv), {}};
    parser.process(*start.application);
    const Source chosen = source(parser.positionalArguments());
    if (!chosen.note.isEmpty())
        printError(chosen.note);
    start.source = chosen.path;
    return start;
}

Source source(const QStringList& files)
{
    if (files.isEmpty())
        return {};
    const QUrl url(files.first());
    const QString path = url.isLocalFile() ? url.toLocalFile() : files.first();
    Source chosen{QDir::toNativeSeparators(QDir::cleanPath(QFileInfo(path).absoluteFilePath())),
                  {}};
    if (files.size() > 1)
        chosen.note = QStringLiteral("one video at a time: opening the first of the %1 files given")
                          .arg(files.size());
    return chosen;
}

} // namespace CommandLine
