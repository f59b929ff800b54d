#include "OpenDialog.h"

#include "ui/qt/common/LocalFile.h"

#include <QDir>
#include <QFileDialog>
#include <QStringList>

namespace OpenDialog {

namespace {

QString entry(const QString& description, const QString& patternList)
{
    QStringList patterns;
    for (QString pattern : patternList.split(QLatin1Char(';'))) {
        pattern = pattern.trimmed();
        if (pattern.isEmpty())
            continue;
        // In the filter's own language "*.*" is every file, names without a dot included.
        if (pattern == QLatin1String("*.*"))
            pattern = QStringLiteral("*");
        // File names on Linux are case-sensitive, and cameras write ".AVI".
        patterns << pattern.toLower();
        if (pattern.toUpper() != pattern.toLower())
            patterns << pattern.toUpper();
    }
    patterns.removeDuplicates();
    return QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
}

} // namespace

QString nameFilter(const QString& filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        entries << entry(parts[i], parts[i + 1]);
    return entries.join(QStringLiteral(";;"));
}

bool take(const QString& chosen, std::u16string& file, QString& refusal)
{
    refusal.clear();
    if (chosen.isEmpty())
        return false;
    const QString path = QDir::toNativeSeparators(chosen);
    if (LocalFile::isMisread(chosen)) {
        refusal = LocalFile::misreadMessage(path);
        return false;
    }
    file = path.toStdU16String();
    return true;
}

QString ask(QWidget* parent, const forms::CommonDialog& dlg)
{
    // The patterns are in the filter's own description already.
    return QFileDialog::getOpenFileName(parent, QString::fromStdU16String(dlg.DialogTitle),
                                        QString::fromStdU16String(dlg.FileName),
                                        nameFilter(QString::fromStdU16String(dlg.Filter)), nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

} // namespace OpenDialog
