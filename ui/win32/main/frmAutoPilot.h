#pragma once

#include "forms/Dialogs.h"
#include "forms/MainForm.h"
#include "forms/MainView.h"
#include "ui/win32/about/frnAbout.h"
#include "ui/win32/common/FormWindow.h"

#include <shellapi.h>

#include <memory>
#include <string>

// Only referred to here: a change to the host recompiles no window.
namespace job {
class ScriptHost;
} // namespace job

namespace ui::win32 {

// The program's main window: it builds its controls from the design and hands every
// click to the main window's behaviour. Closing it unloads the program.
class frmAutoPilot final : public FormWindow, public forms::MainView {
public:
    frmAutoPilot(job::ScriptHost& host, forms::Dialogs& dialogs);
    ~frmAutoPilot() override;

    // Shows the window, then takes the file the command line names first. The arguments are
    // the command line behind the program's name, as wWinMain receives them.
    void show(int showCommand, const std::wstring& arguments = {});

    std::u16string text(forms::Field field) const override;
    void setText(forms::Field field, const std::u16string& text) override;
    bool isSelected(int index) const override;
    void showAbout() override;
    void closeAbout() override;
    void close() override;

private:
    LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void onCommand(const forms::Control& control, WORD code) override;
    HWND field(forms::Field field) const;
    void drop(HDROP files);

    forms::MainForm form_;
    std::unique_ptr<frnAbout> about_;
    HWND focus_ = nullptr; // the control that has the focus while the window is active
};

} // namespace ui::win32
