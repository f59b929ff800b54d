#include "MessageBox.h"

#include <QMessageBox>

namespace MessageBox {
namespace {

QStringList* recorder = nullptr;

} // namespace

void show(QWidget* parent, const QString& text)
{
    if (recorder) {
        recorder->append(text);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Varnelo"), text, QMessageBox::Ok, parent);
    box.exec();
}

void recordInto(QStringList* shown)
{
    recorder = shown;
}

} // namespace MessageBox
