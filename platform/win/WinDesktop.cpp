#include "platform/Platform.h"

#include "text/WideText.h"

#include <windows.h>

#include <shellapi.h>

namespace platform {
namespace {

// The shell's default action for a web address opens it in the default browser.
class WinDesktop final : public Desktop {
public:
    void openUrl(const std::u16string& address) override
    {
        if (const auto ansi = WideText::toCodePage(address, CP_ACP))
            ShellExecuteA(nullptr, nullptr, ansi->c_str(), nullptr, nullptr, SW_SHOWNORMAL);
    }
};

} // namespace

std::unique_ptr<Desktop> createDesktop()
{
    return std::make_unique<WinDesktop>();
}

} // namespace platform
