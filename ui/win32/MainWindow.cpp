#include "MainWindow.h"

#include "forms/MainWindowDesign.h"
#include "text/WideText.h"

#include <string>
#include <string_view>

namespace ui::win32 {
namespace {

struct Command {
    std::string_view button;
    void (forms::MainForm::*click)();
};
constexpr Command Commands[] = {
    {"Button38", &forms::MainForm::Button38_Click}, {"Button2", &forms::MainForm::Button2_Click},
    {"Button3", &forms::MainForm::Button3_Click},   {"Button7", &forms::MainForm::Button7_Click},
    {"Button4", &forms::MainForm::Button4_Click},   {"Button10", &forms::MainForm::Button10_Click},
    {"Button6", &forms::MainForm::Button6_Click},
};

} // namespace

MainWindow::MainWindow(platform::ScriptHost& host, Dialogs& dialogs)
    : FormWindow(forms::MainWindowDesign), dialogs_(dialogs), form_(*this, host)
{
    create(WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU, WS_EX_APPWINDOW, true);
    focus_ = control(design().tabChain().front()->name);
}

MainWindow::~MainWindow()
{
    destroy();
}

void MainWindow::show(int showCommand)
{
    ShowWindow(handle(), showCommand);
    UpdateWindow(handle());
}

HWND MainWindow::field(forms::Field field) const
{
    return control(field == forms::Field::Text1 ? "Text1" : "txtPath");
}

std::u16string MainWindow::text(forms::Field which) const
{
    const HWND box = field(which);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return WideText::fromWide(text);
}

void MainWindow::setText(forms::Field which, const std::u16string& text)
{
    SetWindowTextW(field(which), WideText::toWide(text).c_str());
}

bool MainWindow::isSelected(int index) const
{
    const HWND option = control("Option1(" + std::to_string(index) + ")");
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void MainWindow::showMessage(const std::u16string& text)
{
    dialogs_.showMessage(handle(), text);
}

bool MainWindow::showOpen(forms::CommonDialog& dlg)
{
    return dialogs_.showOpen(handle(), dlg);
}

std::optional<std::u16string> MainWindow::browseForFolder(const std::u16string& prompt)
{
    return dialogs_.browseForFolder(handle(), prompt);
}

void MainWindow::showAbout()
{
    if (!about_ || !about_->isOpen())
        about_ = std::make_unique<AboutWindow>(dialogs_);
    about_->show();
}

void MainWindow::closeAbout()
{
    if (about_)
        about_->close();
}

void MainWindow::close()
{
    SendMessageW(handle(), WM_CLOSE, 0, 0);
}

void MainWindow::onCommand(const forms::Control& control, WORD code)
{
    if (code != BN_CLICKED || control.kind != forms::Kind::Button)
        return;
    for (const auto& command : Commands) {
        if (command.button == control.name) {
            (form_.*command.click)();
            return;
        }
    }
}

LRESULT MainWindow::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    // A window that is not a dialog keeps its control's focus across activations itself.
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(handle(), focus))
                focus_ = focus;
        } else if (focus_) {
            SetFocus(focus_);
        }
        return 0;
    case WM_SETFOCUS:
        if (focus_)
            SetFocus(focus_);
        return 0;
    case WM_CLOSE:
        form_.Form_Unload();
        destroy();
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return FormWindow::onMessage(message, wParam, lParam);
}

} // namespace ui::win32
