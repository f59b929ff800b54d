#include "frmAutoPilot.h"

#include "forms/MainWindowDesign.h"
#include "text/WideText.h"

#include <shlwapi.h>

#include <cwctype>
#include <optional>
#include <string>
#include <string_view>

namespace ui::win32 {
namespace {

// The file a "file:" address names on this computer, or nothing for one on another computer
// or one that cannot name a file. An escaped control character is refused: the system's
// conversion would end the name at an escaped NUL and name another file.
std::optional<std::wstring> localFile(const std::wstring& address)
{
    for (auto at = address.find(L'%'); at != std::wstring::npos && at + 2 < address.size();
         at = address.find(L'%', at + 1)) {
        const wchar_t high = address[at + 1];
        const wchar_t low = towlower(address[at + 2]);
        if (((high == L'0' || high == L'1') && iswxdigit(low)) || (high == L'7' && low == L'f'))
            return std::nullopt;
    }
    DWORD length = 32768;
    std::wstring path(length, L'\0');
    if (PathCreateFromUrlW(address.c_str(), path.data(), &length, 0) != S_OK)
        return std::nullopt;
    path.resize(length);
    // A share's path names a file of the computer the address names.
    if (path.starts_with(L"\\\\"))
        return std::nullopt;
    return path;
}

// The first file the arguments name, as a full path the way the Open dialog gives it, or the
// empty text when there is none; an address the program cannot read as a local file comes back
// as it stands, for the form to refuse. Blank arguments are not parsed: that would load shell32
// at every plain start.
std::u16string firstFile(const std::wstring& arguments)
{
    if (arguments.find_first_not_of(L" \t") == std::wstring::npos)
        return {};
    // CommandLineToArgvW reads its first word by the rules of a program's name.
    const std::wstring line = L"varnelo.exe " + arguments;
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(line.c_str(), &count);
    if (!words)
        return {};
    std::wstring file = count > 1 ? words[1] : L"";
    LocalFree(words);
    if (file.empty())
        return {};
    if (forms::MainForm::isAddress(WideText::fromWide(file))) {
        const auto local = localFile(file);
        if (!local)
            return WideText::fromWide(file);
        file = *local;
    }
    const DWORD size = GetFullPathNameW(file.c_str(), 0, nullptr, nullptr);
    std::wstring full(size, L'\0');
    const DWORD length = GetFullPathNameW(file.c_str(), size, full.data(), nullptr);
    if (length > 0 && length < size)
        file.assign(full, 0, length);
    return WideText::fromWide(file);
}

} // namespace

frmAutoPilot::frmAutoPilot(job::ScriptHost& host, Dialogs& dialogs)
    : FormWindow(forms::MainWindowDesign, dialogs), form_(*this, host)
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
    form_.Form_Load(firstFile(arguments));
}

void frmAutoPilot::drop(HDROP files)
{
    // One video at a time: only the first file counts.
    const UINT length = DragQueryFileW(files, 0, nullptr, 0);
    std::wstring path(length + 1, L'\0');
    path.resize(DragQueryFileW(files, 0, path.data(), length + 1));
    POINT point{};
    DragQueryPoint(files, &point);
    DragFinish(files);
    if (path.empty())
        return;
    const forms::Control* on = controlAt(point);
    form_.dropped(on ? on->name : std::string_view(), WideText::fromWide(path));
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

void frmAutoPilot::showMessage(const std::u16string& text)
{
    dialogs().showMessage(handle(), text);
}

bool frmAutoPilot::showOpen(forms::CommonDialog& dlg)
{
    return dialogs().showOpen(handle(), dlg);
}

std::optional<std::u16string> frmAutoPilot::browseForFolder(const std::u16string& prompt)
{
    return dialogs().browseForFolder(handle(), prompt);
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
