#include "FormStyle.h"

#include "PngFile.h"

#include <QGroupBox>
#include <QStyleOption>
#include <qdrawutil.h>

#include <algorithm>

int FormStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                           const QWidget* widget) const
{
    if (metric == PM_RadioButtonLabelSpacing)
        return 3;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

void FormStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                              QPainter* painter, const QWidget* widget) const
{
    const auto* group = qobject_cast<const QGroupBox*>(widget);
    if (element != PE_FrameGroupBox || !group || group->title().isEmpty() ||
        baseStyle()->name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    if (groupFrame_.isNull())
        groupFrame_ = QPixmap::fromImage(PngFile::read(
            QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png")));
    // Where Fusion puts it: below the caption's line, as tall as the text or a check box, and
    // 3 pixels more.
    const int top = std::max(baseStyle()->pixelMetric(PM_ExclusiveIndicatorHeight),
                             option->fontMetrics.height()) +
                    3;
    qDrawBorderPixmap(painter, option->rect.adjusted(0, top, 0, 0), QMargins(6, 6, 6, 6),
                      groupFrame_);
}
