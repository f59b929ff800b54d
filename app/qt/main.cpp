#include "CommandLine.h"
#include "job/ScriptHost.h"
#include "platform/Platform.h"
#include "ui/qt/common/Fonts.h"
#include "ui/qt/common/SystemDialogs.h"
#include "ui/qt/main/frmAutoPilot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const CommandLine::Start start = CommandLine::start(argc, argv);
    Fonts::installSubstitutions();

    const auto host = platform::createScriptHost();
    SystemDialogs dialogs;
    frmAutoPilot window(*host, dialogs);
    // The windows close as the user closes them, so that the main window's clean-up runs: on
    // the system's signals, and when the session manager ends the session by quitting.
    platform::onEndRequest(&QApplication::closeAllWindows);
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &QApplication::closeAllWindows);
    window.showWith(start.files);
    return QApplication::exec();
}
