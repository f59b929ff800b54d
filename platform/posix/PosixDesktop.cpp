#include "platform/Platform.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace platform {
namespace {

// The desktop's own handler for web addresses, as the user has set it up.
class PosixDesktop final : public Desktop {
public:
    void openUrl(const std::u16string& address) override
    {
        QDesktopServices::openUrl(QUrl(QString::fromStdU16String(address)));
    }
};

} // namespace

std::unique_ptr<Desktop> createDesktop()
{
    return std::make_unique<PosixDesktop>();
}

} // namespace platform
