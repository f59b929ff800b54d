#include "OpenDialog.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace OpenDialog {

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

bool take(const QString& chosen, forms::CommonDialog& dlg)
{
    if (chosen.isEmpty())
        return false;
    dlg.FileName = QDir::toNativeSeparators(chosen).toStdU16String();
    return true;
}

bool show(QWidget* parent, forms::CommonDialog& dlg)
{
    // The patterns are in the filter's own description already.
    return take(QFileDialog::getOpenFileName(parent, QString::fromStdU16String(dlg.DialogTitle),
                                             QString::fromStdU16String(dlg.FileName),
                                             nameFilter(QString::fromStdU16String(dlg.Filter)),
                                             nullptr, QFileDialog::HideNameFilterDetails),
                dlg);
}

} // namespace OpenDialog
