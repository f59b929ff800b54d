#include "Fonts.h"

#include <QStringList>

namespace Fonts {
namespace {

// 8.25 pt at 96 dots per inch.
constexpr int PixelSize = 11;

} // namespace

void installSubstitutions()
{
    // Liberation Sans is close to both faces' widths, so every caption fits its box.
    const QStringList alternatives = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                      QStringLiteral("DejaVu Sans")};
    for (const auto name : {forms::WindowFaceName, forms::ButtonFaceName})
        QFont::insertSubstitutions(QString::fromUtf16(name.data(), qsizetype(name.size())),
                                   alternatives);
}

QFont font(forms::Face face)
{
    const auto name = face == forms::Face::Button ? forms::ButtonFaceName : forms::WindowFaceName;
    QFont font(QString::fromUtf16(name.data(), qsizetype(name.size())));
    font.setPixelSize(PixelSize);
    font.setBold(face == forms::Face::WindowBold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace Fonts
