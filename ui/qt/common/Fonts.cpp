#include "Fonts.h"

#include <QStringList>

namespace Fonts {
namespace {

// 8.25 pt at 96 dots per inch.
constexpr int PixelSize = 11;

QFont face(const char* family, bool bold)
{
    QFont font(QString::fromLatin1(family));
    font.setPixelSize(PixelSize);
    font.setBold(bold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

void installSubstitutions()
{
    // Liberation Sans is close to both faces' widths, so every caption fits its box.
    const QStringList alternatives = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                      QStringLiteral("DejaVu Sans")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), alternatives);
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), alternatives);
}

QFont msSansSerif(bool bold)
{
    return face("MS Sans Serif", bold);
}

QFont tahoma()
{
    return face("Tahoma", false);
}

} // namespace Fonts
