#include "CommonDialog.h"

#include <QDir>
#include <QFileDialog>

std::optional<QString> CommonDialog::nextFileName_;

QString CommonDialog::nameFilter(const QString& filter)
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

void CommonDialog::setNextFileName(const QString& fileName)
{
    nextFileName_ = fileName;
}

bool CommonDialog::ShowOpen()
{
    QString chosen;
    if (nextFileName_) {
        chosen = *nextFileName_;
        nextFileName_.reset();
    } else {
        // The patterns are in the filter's own description already.
        chosen = QFileDialog::getOpenFileName(parent_, DialogTitle, FileName, nameFilter(Filter),
                                              nullptr, QFileDialog::HideNameFilterDetails);
    }
    if (chosen.isEmpty())
        return false;
    FileName = QDir::toNativeSeparators(chosen);
    return true;
}
