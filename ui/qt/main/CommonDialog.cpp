#include "CommonDialog.h"

#include "ui/qt/common/LocalFile.h"
#include "ui/qt/common/MessageBox.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

#include <optional>

namespace CommonDialog {
namespace {

std::optional<QString> nextFileName;

} // namespace

QString nameFilter(const QString& filter)
{
    const QString description = filter.section(QLatin1Char('|'), 0, 0);
    QStringList patterns;
    for (QString pattern : filter.section(QLatin1Char('|'), 1).split(QLatin1Char(';'))) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        // File names on Linux are case-sensitive, and cameras write ".AVI".
        patterns << pattern.toLower();
        if (pattern.toUpper() != pattern.toLower())
            patterns << pattern.toUpper();
    }
    patterns.removeDuplicates();
    return QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
}

void setNextFileName(const QString& fileName)
{
    nextFileName = fileName;
}

bool ShowOpen(QWidget* parent, forms::CommonDialog& dlg)
{
    QString chosen;
    if (nextFileName) {
        chosen = *nextFileName;
        nextFileName.reset();
    } else {
        // The patterns are in the filter's own description already; the dialog opens where
        // the file chosen last is.
        chosen = QFileDialog::getOpenFileName(parent, QString::fromStdU16String(dlg.DialogTitle),
                                              QString::fromStdU16String(dlg.FileName),
                                              nameFilter(QString::fromStdU16String(dlg.Filter)),
                                              nullptr, QFileDialog::HideNameFilterDetails);
    }
    if (chosen.isEmpty())
        return false;
    if (LocalFile::isMisread(chosen)) {
        MessageBox::show(parent, LocalFile::misreadMessage(QDir::toNativeSeparators(chosen)));
        return false;
    }
    dlg.FileName = QDir::toNativeSeparators(chosen).toStdU16String();
    return true;
}

} // namespace CommonDialog
