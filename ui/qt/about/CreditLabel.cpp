#include "CreditLabel.h"

#include "forms/Paragraphs.h"

#include <QPainter>

namespace {

constexpr int Flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

QString qstring(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

} // namespace

QStringList CreditLabel::paragraphs() const
{
    const std::u16string whole = text().toStdU16String();
    QStringList list;
    for (const auto paragraph : forms::paragraphs(
             whole, forms::wideRun(width(), fontMetrics().horizontalAdvance(QLatin1Char(' ')))))
        list << qstring(paragraph);
    return list;
}

void CreditLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const QRect area = contentsRect();
    const std::u16string whole = text().toStdU16String();
    const auto placed = forms::layOutParagraphs(
        whole, {area.left(), area.top(), area.width(), area.height()},
        fontMetrics().horizontalAdvance(QLatin1Char(' ')), fontMetrics().lineSpacing(),
        [&](std::u16string_view paragraph) {
            return painter.boundingRect(area, Flags, qstring(paragraph)).height();
        });
    for (const auto& paragraph : placed) {
        const forms::Box& box = paragraph.box;
        painter.drawText(QRect(box.left, box.top, box.width, box.height), Flags,
                         qstring(paragraph.text));
    }
}
