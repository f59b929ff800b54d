#include "platform/Platform.h"
#include "ui/common/Fonts.h"
#include "ui/main/frmAutoPilot.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Varnelo"));
    Fonts::installSubstitutions();

    const auto platform = platform::createPlatform();
    frmAutoPilot window(*platform);
    window.show();
    return QApplication::exec();
}
