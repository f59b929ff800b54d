#include "CreditLabel.h"

#include "forms/Paragraphs.h"

#include <QPainter>

QStringList CreditLabel::paragraphs() const
{
    const int blankWidth = fontMetrics().horizontalAdvance(QLatin1Char(' '));
    const auto wideRun = static_cast<std::size_t>(blankWidth > 0 ? width() / blankWidth + 1 : 1);
    const std::u16string whole = text().toStdU16String();
    QStringList list;
    for (const auto paragraph : forms::paragraphs(whole, wideRun))
        list << QString::fromUtf16(paragraph.data(), qsizetype(paragraph.size()));
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
