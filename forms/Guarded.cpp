#include "Guarded.h"

#include "Failure.h"

namespace forms {
namespace {

// The windows live on one thread. A message box handles the windows' events while it is up; a
// failure then is not told in a second box, or the boxes would pile up.
bool telling = false;

} // namespace

bool guarded(Dialogs& dialogs, View* owner, const std::function<void()>& handler) noexcept
{
    try {
        handler();
        return true;
    } catch (...) {
        if (telling)
            return false;
        telling = true;
        try {
            const auto detail = dialogs.systemText(failureDetail(std::current_exception()));
            dialogs.showMessage(owner, failureMessage(detail));
        } catch (...) {
            // With no message box to be had, the window still goes on.
        }
        telling = false;
        return false;
    }
}

} // namespace forms
