#include "Guarded.h"

#include "forms/Failure.h"

#include <QString>

void guarded(Dialogs& dialogs, QWidget* owner, const std::function<void()>& command) noexcept
{
    try {
        command();
    } catch (...) {
        const QString detail =
            QString::fromLocal8Bit(forms::failureDetail(std::current_exception()));
        try {
            dialogs.showMessage(owner, forms::failureMessage(detail.toStdU16String()));
        } catch (...) {
            // With no message box to be had, the window still goes on.
        }
    }
}
