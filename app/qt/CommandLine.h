#pragma once

#include <QByteArrayList>
#include <QString>
#include <QStringList>

#include <memory>

class QApplication;

// The program's command line: --help, --version and the one video to start with, the way a
// file manager's "Open with" passes it.
namespace CommandLine {

struct Start {
    std::unique_ptr<QApplication> application;
    // The video for the source field; empty for none.
    QString source;
};

// Creates the application from the command line. Ends the program itself when there is no
// window to show: after --help or --version, which need no display, on a mistake in the
// arguments, and, with one line on standard error, when there is no display.
Start start(int& argc, char** argv);

struct Source {
    // As the Open dialog gives it: an absolute path in the system's separators; empty when no
    // file given is taken.
    QString path;
    // For standard error: why files given were left out.
    QStringList notes;
};

// The video to start with from the file arguments, paths or file:// URLs as the system gives
// them: the first one, when it is an existing file on this computer whose name Qt reads as it
// is.
Source source(const QByteArrayList& files);

} // namespace CommandLine
