#pragma once

#include "forms/StartFile.h"

#include <QByteArrayList>

#include <memory>
#include <vector>

class QApplication;

// The program's command line: --help, --version and the one video to start with, the way a
// file manager's "Open with" passes it.
namespace CommandLine {

struct Start {
    std::unique_ptr<QApplication> application;
    // The files named on the command line, for the window to take the first of.
    std::vector<forms::StartFile::Given> files;
};

// Creates the application from the command line. Ends the program itself when there is no
// window to show: after --help or --version, which need no display, on a mistake in the
// arguments, and, with one line on standard error, when there is no display.
Start start(int& argc, char** argv);

// The file arguments as the system gives them, each a path or a file:// URL, in the program's
// text: a name whose bytes have no exact text is marked so.
std::vector<forms::StartFile::Given> files(const QByteArrayList& arguments);

} // namespace CommandLine
