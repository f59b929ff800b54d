#include "frmAutoPilot.h"

#include "forms/MainWindowDesign.h"
#include "text/WideText.h"

#include <shellapi.h>

#include <string>
#include <string_view>
#include <vector>

namespace ui::win32 {
namespace {

// The files the arguments name, as the system splits them. Blank arguments are not split: that
// would load shell32 at every plain start.
std::vector<forms::StartFile::Given> files(const std::wstring& arguments)
{
    if (arguments.find_first_not_of(L" \t") == std::wstring::npos)
        return {};
    // CommandLineToArgvW reads its first word by the rules of a program's name.
    const std::wstring line = L"varnelo.exe " + arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    if (!words)
        return {};
    std::vector<forms::StartFile::Given> given;
    for (int i = 1; i < count; ++i)
        given.push_back({WideText::fromWide(words[i])});
    LocalFree(words);
    return given;
}

} // namespace

frmAutoPilot::frmAutoPilot(job::ScriptHost& host, forms::Dialogs& dialogs)
    : FormWindow(forms::MainWindowDesign, dialogs), form_(*this, dialogs, host)
{
    // Files dropped on the window or on a field come here. The style is what DragAcceptFiles
    // sets, without loading shell32 before the first drop.
    create(WS_EX_ACCEPTFILES);
    focus_ = control(design().tabChain().front()->name);
}

frmAutoPilot::~frmAutoPilot()
{
    destroy();
}

void frmAutoPilot::show(int showCommand, const std::wstring& arguments)
{
    ShowWindow(handle(), showCommand);
    UpdateWindow(handle());
    form_.Form_Load(files(arguments));
}

void frmAutoPilot::drop(HDROP dropped)
{
    std::vector<forms::StartFile::Given> given;
    const UINT count = DragQueryFileW(dropped, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        const UINT length = DragQueryFileW(dropped, i, nullptr, 0);
        std::wstring path(length + 1, L'\0');
        path.resize(DragQueryFileW(dropped, i, path.data(), length + 1));
        given.push_back({WideText::fromWide(path)});
    }
    POINT point{};
    DragQueryPoint(dropped, &point);
    DragFinish(dropped);
    if (given.empty() || given.front().text.empty())
        return;
    const forms::Control* on = controlAt(point);
    form_.dropped(on ? on->name : std::string_view(), given);
}

HWND frmAutoPilot::field(forms::Field field) const
{
    return control(forms::fieldControl(field));
}

std::u16string frmAutoPilot::text(forms::Field which) const
{
    const HWND box = field(which);
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(box)) + 1, L'\0');
    text.resize(
        static_cast<std::size_t>(GetWindowTextW(box, text.data(), static_cast<int>(text.size()))));
    return WideText::fromWide(text);
}

void frmAutoPilot::setText(forms::Field which, const std::u16string& text)
{
    SetWindowTextW(field(which), WideText::toWide(text).c_str());
}

bool frmAutoPilot::isSelected(int index) const
{
    const HWND option = control(forms::formatOption(index));
    return SendMessageW(option, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void frmAutoPilot::showAbout()
{
    if (!about_ || !about_->isOpen())
        about_ = std::make_unique<frnAbout>(dialogs(), handle());
    about_->show();
}

void frmAutoPilot::closeAbout()
{
    if (about_)
        about_->close();
}

void frmAutoPilot::close()
{
    SendMessageW(handle(), WM_CLOSE, 0, 0);
}

void frmAutoPilot::onCommand(const forms::Control& control, WORD code)
{
    // An owner-drawn button reports the second of two quick presses as a double click; each
    // press is a click of its own, as on a plain button.
    if (code == BN_CLICKED || code == BN_DOUBLECLICKED)
        form_.click(control.name);
}

LRESULT frmAutoPilot::onMessage(UINT message, WPARAM wParam, LPARAM lParam)
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
    case WM_DROPFILES:
        drop(reinterpret_cast<HDROP>(wParam));
        return 0;
    // Nothing waits to be saved; once the session ends, the program may be ended without a
    // close, so it tidies up as a close does.
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (!wParam)
            return 0;
        [[fallthrough]];
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
