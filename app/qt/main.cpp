#include "CommandLine.h"
#include "platform/Platform.h"
#include "ui/qt/common/Fonts.h"
#include "ui/qt/common/SessionEnd.h"
#include "ui/qt/main/frmAutoPilot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const CommandLine::Start start = CommandLine::start(argc, argv);
    Fonts::installSubstitutions();

    const auto host = platform::createScriptHost();
    SystemDialogs dialogs;
    frmAutoPilot window(*host, dialogs);
    SessionEnd::closeWindowsOnEnd();
    window.showWith(start.files);
    return QApplication::exec();
}
