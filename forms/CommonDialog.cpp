#include "CommonDialog.h"

namespace forms {

bool CommonDialog::ShowOpen()
{
    if (dialogs_->showOpen(owner_, *this))
        return true;
    if (CancelError)
        throw Cancelled();
    return false;
}

} // namespace forms
