#include "CreditLabel.h"

#include <QPainter>
#include <QRegularExpression>

QStringList CreditLabel::paragraphs() const
{
    const int blankWidth = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const int runLength = blankWidth > 0 ? width() / blankWidth + 1 : 1;
    const QRegularExpression wideRun(QStringLiteral(" {%1,}").arg(runLength));
    QStringList list = text().split(wideRun, Qt::SkipEmptyParts);
    for (auto& paragraph : list)
        paragraph = paragraph.trimmed();
    list.removeAll(QString());
    return list;
}

void CreditLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int gap = fontMetrics().lineSpacing() / 2;
    QRect area = contentsRect();
    for (const auto& paragraph : paragraphs()) {
        QRect used;
        painter.drawText(area, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, paragraph, &used);
        area.setTop(used.bottom() + 1 + gap);
    }
}
