#pragma once

#include "forms/CommonDialog.h"

#include <windows.h>

#include <string>

// The system's Open dialog, set up from the main window's CommonDialog.
namespace ui::win32::OpenDialog {

// The filter as the dialog takes it: each "|" a NUL, the whole ended by two NULs.
std::wstring filter(const std::u16string& filter);

// Shows the dialog modally, starting at the file chosen last; true, with dlg.FileName set,
// when the user chose a file.
bool show(HWND owner, forms::CommonDialog& dlg);

} // namespace ui::win32::OpenDialog
