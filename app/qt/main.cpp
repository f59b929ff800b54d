#include "platform/Platform.h"
#include "ui/qt/common/Fonts.h"
#include "ui/qt/main/frmAutoPilot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    Fonts::installSubstitutions();

    const auto host = platform::createScriptHost();
    const auto desktop = platform::createDesktop();
    frmAutoPilot window(*host, *desktop);
    window.show();
    return QApplication::exec();
}
