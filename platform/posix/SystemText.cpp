#include "SystemText.h"

#include <QString>

namespace platform::SystemText {

std::optional<std::u16string> read(std::string_view bytes)
{
    const QString text = QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
    if (text.toUtf8() != QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())))
        return std::nullopt;
    return text.toStdU16String();
}

std::u16string shown(std::string_view bytes)
{
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size())).toStdU16String();
}

} // namespace platform::SystemText
