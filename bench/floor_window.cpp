// The least any window with text costs: a bare Qt window of the main window's size showing
// one line of text. The start-up benchmark measures the program against it.
#include <QApplication>
#include <QLabel>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Floor window"));
    window.setFixedSize(423, 266);
    auto* label = new QLabel(QStringLiteral("File to perform conversion to:"), &window);
    label->move(8, 24);
    window.show();
    return QApplication::exec();
}
