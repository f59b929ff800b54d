#include "CommandLine.h"
#include "platform/Platform.h"
#include "ui/common/Fonts.h"
#include "ui/main/frmAutoPilot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    const CommandLine::Start start = CommandLine::start(argc, argv);
    Fonts::installSubstitutions();

    const auto platform = platform::createPlatform();
    frmAutoPilot window(*platform);
    window.setSourceText(start.source);
    window.show();
    return QApplication::exec();
}
