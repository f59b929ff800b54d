#include "forms/AboutWindowDesign.h"
#include "forms/MainWindowDesign.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeScriptHost.h"
#include "ui/win32/about/frnAbout.h"
#include "ui/win32/common/Dpi.h"
#include "ui/win32/common/Fonts.h"
#include "ui/win32/common/OpenDialog.h"
#include "ui/win32/common/SMButton.h"
#include "ui/win32/common/SystemDialogs.h"
#include "ui/win32/main/frmAutoPilot.h"

#include <windows.h>

#include <commctrl.h>
#include <objbase.h>
#include <oleacc.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using forms::Kind;
using ui::win32::frmAutoPilot;
using ui::win32::frnAbout;
namespace Dpi = ui::win32::Dpi;

// The resolution the test run set up for the screen.
UINT screenDpi()
{
    const char* set = std::getenv("WINE_LOGPIXELS");
    return set ? static_cast<UINT>(std::atoi(set)) : Dpi::Designed;
}

std::u16string textOf(HWND window)
{
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return {text.begin(), text.end()};
}

std::vector<int> placeOf(HWND control)
{
    RECT box{};
    GetWindowRect(control, &box);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&box), 2);
    return {box.left, box.top, box.right - box.left, box.bottom - box.top};
}

std::vector<int> clientSizeOf(HWND window)
{
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The face the system drew the control's text with, its weight and height.
struct Face {
    std::u16string name;
    LONG weight;
    LONG height;
    bool operator==(const Face&) const = default;
};

Face faceOf(HWND control)
{
    const auto font = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
    LOGFONTW asked{};
    GetObjectW(font, sizeof asked, &asked);
    const HDC dc = GetDC(control);
    const HGDIOBJ old = SelectObject(dc, font);
    wchar_t name[LF_FACESIZE] = {};
    GetTextFaceW(dc, LF_FACESIZE, name);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {std::u16string(name, name + wcslen(name)), asked.lfWeight, asked.lfHeight};
}

Face designedFace(forms::Face face, UINT dpi)
{
    const bool onButton = face == forms::Face::Button;
    return {std::u16string(onButton ? forms::ButtonFaceName : forms::WindowFaceName),
            face == forms::Face::WindowBold ? FW_BOLD : FW_NORMAL, ui::win32::Fonts::height(dpi)};
}

std::vector<COLORREF> pixelsIn(HDC dc, int width, int height)
{
    std::vector<COLORREF> pixels;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
            pixels.push_back(GetPixel(dc, x, y));
    }
    return pixels;
}

// The colours of the control's pixels, as it draws itself.
std::vector<COLORREF> pixelsOf(HWND control)
{
    RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT client{};
    GetClientRect(control, &client);
    const HDC screen = GetDC(control);
    const HDC copy = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, client.right, client.bottom);
    const HGDIOBJ old = SelectObject(copy, bitmap);
    BitBlt(copy, 0, 0, client.right, client.bottom, screen, 0, 0, SRCCOPY);
    const auto pixels = pixelsIn(copy, client.right, client.bottom);
    SelectObject(copy, old);
    DeleteObject(bitmap);
    DeleteDC(copy);
    ReleaseDC(control, screen);
    return pixels;
}

// Whether the control shows a colour that is not a grey: a picture.
bool showsAPicture(HWND control)
{
    const auto pixels = pixelsOf(control);
    return std::any_of(pixels.begin(), pixels.end(), [](COLORREF pixel) {
        return GetRValue(pixel) != GetGValue(pixel) || GetGValue(pixel) != GetBValue(pixel);
    });
}

bool shows(HWND control, COLORREF color)
{
    const auto pixels = pixelsOf(control);
    return std::find(pixels.begin(), pixels.end(), color) != pixels.end();
}

// The text of the tooltip that shows over the control.
std::u16string toolTipOf(HWND control)
{
    std::pair<HWND, std::u16string> query{control, {}};
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM result) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) != TOOLTIPS_CLASSW)
                return TRUE;
            auto& [tooled, text] = *reinterpret_cast<std::pair<HWND, std::u16string>*>(result);
            wchar_t buffer[256] = {};
            TTTOOLINFOW tool{};
            tool.cbSize = sizeof tool;
            tool.hwnd = GetParent(tooled);
            tool.uId = reinterpret_cast<UINT_PTR>(tooled);
            tool.lpszText = buffer;
            SendMessageW(window, TTM_GETTEXTW, 256, reinterpret_cast<LPARAM>(&tool));
            text.append(buffer, buffer + wcslen(buffer));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&query));
    return query.second;
}

// What assistive technology reads of the control through the system's accessibility: its name,
// and whether it is there for the user to see.
std::pair<std::u16string, bool> accessibleOf(HWND control)
{
    IAccessible* object = nullptr;
    if (FAILED(AccessibleObjectFromWindow(control, static_cast<DWORD>(OBJID_CLIENT),
                                          __uuidof(IAccessible),
                                          reinterpret_cast<void**>(&object))))
        return {u"(no accessible object)", false};
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::pair<std::u16string, bool> read;
    if (object->get_accName(self, &name) == S_OK && name)
        read.first.assign(name, name + SysStringLen(name));
    SysFreeString(name);
    VARIANT state{};
    read.second = object->get_accState(self, &state) == S_OK && state.vt == VT_I4 &&
                  (state.lVal & STATE_SYSTEM_INVISIBLE);
    object->Release();
    return read;
}

int aboutWindowsOpen()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND window, LPARAM found) -> BOOL {
            wchar_t name[64] = {};
            GetClassNameW(window, name, 64);
            if (std::wstring(name) == L"frnAbout" && IsWindowVisible(window))
                ++*reinterpret_cast<int*>(found);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

// Every control where the design puts it, with its caption, face, tab stop, group and picture,
// scaled to the screen's resolution.
void expectAsDesigned(const forms::Window& design, const ui::win32::FormWindow& window)
{
    const UINT dpi = Dpi::ofWindow(window.handle());
    ASSERT_EQ(dpi, screenDpi()) << "the program is not aware of the screen's resolution";
    EXPECT_EQ(textOf(window.handle()), design.caption);
    EXPECT_EQ(clientSizeOf(window.handle()),
              (std::vector<int>{Dpi::scale(design.clientWidth, dpi),
                                Dpi::scale(design.clientHeight, dpi)}));

    // The dialog manager's Tab goes round the tab chain in order.
    const auto chain = design.tabChain();
    std::vector<HWND> expected;
    std::vector<HWND> tabbed;
    for (const auto* control : chain) {
        expected.push_back(window.control(control->name));
        tabbed.push_back(GetFocus());
        MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
        IsDialogMessageW(window.handle(), &tab);
    }
    EXPECT_EQ(tabbed, expected);

    for (const auto& control : design.controls) {
        SCOPED_TRACE(std::string(control.name));
        const HWND child = window.control(control.name);
        // What lies beyond the client area is hidden, so nothing reaches it; assistive
        // technology leaves it out too.
        const bool offScreen = design.offScreen(control);
        EXPECT_EQ(IsWindowVisible(child) != 0, !offScreen);
        // Wine reads no more than 1023 characters of a name.
        const std::u16string name(design.accessibleName(control).substr(0, 1023));
        EXPECT_EQ(accessibleOf(child), std::make_pair(name, offScreen));
        // Windows names a field by the label just before it.
        if (!control.label.empty()) {
            EXPECT_EQ(GetWindow(child, GW_HWNDPREV), window.control(control.label));
        }
        auto box = Dpi::scale(design.placeInWindow(control), dpi);
        // A label stops where the field it names starts: the field's border shows whole.
        for (const auto& field : design.controls) {
            if (field.label == control.name)
                box.bottom = Dpi::scale(design.placeInWindow(field), dpi).top;
        }
        EXPECT_EQ(placeOf(child), (std::vector<int>{box.left, box.top, box.right - box.left,
                                                    box.bottom - box.top}));
        if (control.kind != Kind::Line && control.kind != Kind::Image) {
            EXPECT_EQ(faceOf(child), designedFace(control.face, dpi));
        }
        const bool inChain = std::find(chain.begin(), chain.end(), &control) != chain.end();
        EXPECT_EQ((GetWindowLongPtrW(child, GWL_STYLE) & WS_TABSTOP) != 0, inChain);

        if (control.kind == Kind::OptionButton && !offScreen) {
            // The other option button in the same container is the only one in its group.
            const auto partner = std::find_if(
                design.controls.begin(), design.controls.end(), [&](const forms::Control& c) {
                    return c.kind == Kind::OptionButton && &c != &control &&
                           c.container == control.container;
                });
            EXPECT_EQ(GetNextDlgGroupItem(window.handle(), child, FALSE),
                      window.control(partner->name));
        }
        if (control.kind == Kind::OptionButton) {
            EXPECT_EQ(SendMessageW(child, BM_GETCHECK, 0, 0), BST_UNCHECKED);
        }
        if (control.kind == Kind::TextBox) {
            EXPECT_GT(SendMessageW(child, EM_GETLIMITTEXT, 0, 0), 0xFFFF);
        }
        if (!control.picture.empty()) {
            EXPECT_TRUE(showsAPicture(child));
        }
        if (!control.toolTip.empty()) {
            EXPECT_EQ(toolTipOf(child), control.toolTip);
        }
    }
}

// Answers the folder browser from within its own modal loop, once it is up over its owner:
// selects the folder and presses OK as soon as the selection holds.
struct BrowserAnswer {
    HWND owner;
    std::wstring folder;
    std::wstring prompt;
    bool answered = false;
    bool promptShown = false;
};
BrowserAnswer* browserAnswer = nullptr;

std::wstring selectedItemOf(HWND tree)
{
    wchar_t text[MAX_PATH] = {};
    TVITEMW item{};
    item.mask = TVIF_TEXT;
    item.hItem = TreeView_GetSelection(tree);
    item.pszText = text;
    item.cchTextMax = MAX_PATH;
    return item.hItem && TreeView_GetItem(tree, &item) ? text : L"";
}

BOOL CALLBACK answerBrowser(HWND window, LPARAM)
{
    wchar_t className[16] = {};
    GetClassNameW(window, className, 16);
    if (std::wstring_view(className) != L"#32770" || !IsWindowVisible(window) ||
        GetWindow(window, GW_OWNER) != browserAnswer->owner)
        return TRUE;
    browserAnswer->promptShown =
        FindWindowExW(window, nullptr, L"Static", browserAnswer->prompt.c_str()) != nullptr;
    SendMessageW(window, BFFM_SETSELECTIONW, TRUE,
                 reinterpret_cast<LPARAM>(browserAnswer->folder.c_str()));
    const std::wstring& folder = browserAnswer->folder;
    if (selectedItemOf(FindWindowExW(window, nullptr, WC_TREEVIEWW, nullptr)) ==
        folder.substr(folder.rfind(L'\\') + 1)) {
        SendMessageW(window, WM_COMMAND, IDOK, 0);
        browserAnswer->answered = true;
    }
    return FALSE;
}

void CALLBACK lookForBrowser(HWND, UINT, UINT_PTR, DWORD)
{
    if (!browserAnswer->answered)
        EnumThreadWindows(GetCurrentThreadId(), answerBrowser, 0);
}

// A drop of the files at the point of the window's client area, as the shell hands it over.
HDROP dropOf(const std::vector<std::wstring>& files, POINT point)
{
    std::wstring list;
    for (const auto& file : files)
        list += file + L'\0';
    list += L'\0';
    const HGLOBAL memory = GlobalAlloc(GHND, sizeof(DROPFILES) + list.size() * sizeof(wchar_t));
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    *drop = DROPFILES{sizeof(DROPFILES), point, FALSE, TRUE};
    std::copy(list.begin(), list.end(), reinterpret_cast<wchar_t*>(drop + 1));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

// The middle of the control in its window's client area.
POINT middleOf(HWND control)
{
    const auto place = placeOf(control);
    return {place[0] + place[2] / 2, place[1] + place[3] / 2};
}

void handlePostedMessages()
{
    MSG message{};
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

class Windows : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        InitCommonControlsEx(&controls);
    }

    void SetUp() override { host.scriptDialect = job::ScriptDialect::Windows; }

    void click(std::string_view button) { SendMessageW(main.control(button), BM_CLICK, 0, 0); }

    FakeScriptHost host;
    FakeDialogs dialogs;
    frmAutoPilot main{host, dialogs};
};

TEST_F(Windows, TheMainWindowIsLaidOutAsDesigned)
{
    main.show(SW_SHOWNORMAL);
    const auto style = GetWindowLongPtrW(main.handle(), GWL_STYLE);
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    EXPECT_NE(style & WS_SYSMENU, 0);
    EXPECT_EQ(GetWindowLongPtrW(main.handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    expectAsDesigned(forms::MainWindowDesign, main);

    // Each group keeps one option at most, and leaves the other group alone.
    click("Option1(1)");
    click("Option1(2)");
    click("Option1(0)");
    const std::vector<bool> selected{main.isSelected(0), main.isSelected(1), main.isSelected(2),
                                     main.isSelected(3)};
    EXPECT_EQ(selected, (std::vector<bool>{true, false, true, false}));
}

// The system hides keyboard cues until the keyboard is used, and says so to an owner-drawn
// button; the push buttons show their focus all the same.
TEST_F(Windows, AFocusedButtonShowsItsFrameWhereTheSystemHidesKeyboardCues)
{
    const RECT box{0, 0, 73, 17};
    const HWND window =
        CreateWindowExW(0, WC_BUTTONW, L"", WS_CHILD | BS_OWNERDRAW, 0, 0, box.right, box.bottom,
                        main.handle(), nullptr, nullptr, nullptr);
    const ui::win32::SMButton button(window, forms::MainWindowDesign.control("Button38"));
    const HDC dc = CreateCompatibleDC(nullptr);
    const HGDIOBJ old = SelectObject(dc, CreateBitmap(box.right, box.bottom, 1, 32, nullptr));
    const auto face = [&](UINT state) {
        const DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, state, window, dc, box, 0};
        button.draw(item, static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT)), Dpi::Designed);
        return pixelsIn(dc, box.right, box.bottom);
    };
    EXPECT_NE(face(ODS_FOCUS | ODS_NOFOCUSRECT), face(0));
    DeleteObject(SelectObject(dc, old));
    DeleteDC(dc);
    DestroyWindow(window);
}

TEST_F(Windows, TheAboutWindowIsLaidOutAsDesigned)
{
    frnAbout about(dialogs);
    about.show();
    EXPECT_NE(GetWindowLongPtrW(about.handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
    expectAsDesigned(forms::AboutWindowDesign, about);
}

TEST_F(Windows, TheAboutWindowsTextsStandOutFromItsWhiteInAnyColourScheme)
{
    struct Row {
        const char* name;
        COLORREF buttonText;
        COLORREF drawn;
    };
    const Row rows[] = {
        {"a dark scheme's white", RGB(255, 255, 255), RGB(0, 0, 0)},
        {"navy", RGB(0, 0, 128), RGB(0, 0, 128)},
    };
    // Set for this session alone, and set back.
    constexpr int element = COLOR_BTNTEXT;
    const COLORREF before = GetSysColor(element);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        ASSERT_TRUE(SetSysColors(1, &element, &row.buttonText));
        frnAbout about(dialogs);
        about.show();
        for (const char* label : {"Label1", "Label2"}) {
            EXPECT_TRUE(shows(about.control(label), row.drawn)) << label;
        }
    }
    SetSysColors(1, &element, &before);
}

TEST_F(Windows, BothWindowsGrowWithTheScreensResolution)
{
    struct Row {
        UINT dpi;
        std::vector<int> mainClient;
        std::vector<int> addButton;
        std::vector<int> aboutClient;
    };
    const Row rows[] = {
        {96, {423, 266}, {320, 40, 73, 17}, {415, 372}},
        {144, {634, 399}, {480, 60, 109, 25}, {622, 558}},
    };
    const auto row = std::find_if(std::begin(rows), std::end(rows),
                                  [](const Row& r) { return r.dpi == screenDpi(); });
    ASSERT_NE(row, std::end(rows));
    EXPECT_EQ(clientSizeOf(main.handle()), row->mainClient);
    EXPECT_EQ(placeOf(main.control("Button38")), row->addButton);
    frnAbout about(dialogs);
    EXPECT_EQ(clientSizeOf(about.handle()), row->aboutClient);
}

TEST_F(Windows, GoRefusesAnEmptyTargetByMouseByDoubleClickAndByEnterThenNoFormat)
{
    main.show(SW_SHOWNORMAL);
    click("Button7");
    // Two quick presses: the second comes as a double click, and counts as a click too.
    const HWND go = main.control("Button7");
    for (const UINT press : {WM_LBUTTONDOWN, WM_LBUTTONDBLCLK}) {
        SendMessageW(go, press, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(go, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    }
    SetFocus(go);
    MSG enter{go, WM_KEYDOWN, VK_RETURN, 0, 0, {}};
    EXPECT_TRUE(IsDialogMessageW(main.handle(), &enter));
    std::vector<std::u16string> refusals(4, u"Target path MUST be set before proceeding!");
    main.setText(forms::Field::Text1, u"C:\\clips\\party.avi");
    main.setText(forms::Field::txtPath, u"C:\\out\\");
    click("Button7");
    refusals.push_back(u"Output format MUST be chosen before proceeding!");
    EXPECT_EQ(dialogs.messages, refusals);
    EXPECT_EQ(dialogs.owners, std::vector<const forms::View*>(5, &main));
    EXPECT_TRUE(host.scripts.empty());
}

TEST_F(Windows, AFailingCommandIsToldAndTheWindowGoesOn)
{
    main.show(SW_SHOWNORMAL);
    main.setText(forms::Field::Text1, u"C:\\clips\\party.avi");
    main.setText(forms::Field::txtPath, u"C:\\out\\");
    click("Option1(1)");
    host.writeThrows = true;
    click("Button7");
    EXPECT_EQ(dialogs.messages,
              std::vector<std::u16string>{u"That could not be done: the disk went away"});
    host.writeThrows = false;
    click("Button7");
    EXPECT_EQ(host.starts, 1);
    EXPECT_EQ(dialogs.messages.size(), 1u);
}

TEST_F(Windows, AddPutsTheChosenFileInTheSourceField)
{
    dialogs.nextFile = u"C:\\clips\\party 'one'.avi";
    click("Button38");
    EXPECT_EQ(textOf(main.control("Text1")), *dialogs.nextFile);
    // The string's own terminator is the second NUL that ends the list.
    constexpr wchar_t filter[] = L"All (*.avi)\0*.avi; *.flv\0Any (*.*)\0*.*\0";
    EXPECT_EQ(ui::win32::OpenDialog::filter(u"All (*.avi)|*.avi; *.flv|Any (*.*)|*.*"),
              std::wstring(filter, std::size(filter) - 1));
}

TEST_F(Windows, AFileDroppedOnAFieldGoesThere)
{
    struct Row {
        const char* where;
        std::vector<std::wstring> files;
        std::u16string source;
        std::u16string target;
    };
    const Row rows[] = {
        {"Text1",
         {L"C:\\clips dir\\\u0432\u0438\u0434\u0435\u043e.avi", L"C:\\b.avi"},
         u"C:\\clips dir\\\u0432\u0438\u0434\u0435\u043e.avi",
         u"before"},
        {"txtPath", {L"E:\\out"}, u"before", u"E:\\out"},
    };
    host.files = {u"C:\\clips dir\\\u0432\u0438\u0434\u0435\u043e.avi"};
    main.show(SW_SHOWNORMAL);
    for (const auto& row : rows) {
        SCOPED_TRACE(row.where);
        main.setText(forms::Field::Text1, u"before");
        main.setText(forms::Field::txtPath, u"before");
        const POINT point = middleOf(main.control(row.where));
        ASSERT_TRUE(PostMessageW(main.handle(), WM_DROPFILES,
                                 reinterpret_cast<WPARAM>(dropOf(row.files, point)), 0));
        handlePostedMessages();
        EXPECT_EQ(main.text(forms::Field::Text1), row.source);
        EXPECT_EQ(main.text(forms::Field::txtPath), row.target);
    }
}

TEST_F(Windows, TheCommandLinesFirstFileStartsInTheSourceField)
{
    const std::u16string video = u"C:\\clips dir\\\u0432\u0438\u0434\u0435\u043e's.avi";
    host.files = {video};
    struct Row {
        std::wstring arguments;
        std::u16string source;
        std::u16string message;
    };
    const Row rows[] = {
        {L"\"C:\\clips dir\\\u0432\u0438\u0434\u0435\u043e's.avi\" C:\\b.avi", video,
         u"One video at a time: the other 1 file given was left out."},
        {L"  ", u"", u""},
        {L"", u"", u""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.arguments.begin(), row.arguments.end()));
        dialogs.messages.clear();
        frmAutoPilot started{host, dialogs};
        started.show(SW_SHOWNORMAL, row.arguments);
        EXPECT_EQ(started.text(forms::Field::Text1), row.source);
        EXPECT_EQ(dialogs.messages.empty() ? u"" : dialogs.messages.front(), row.message);
    }
}

TEST_F(Windows, HelpOpensOneAboutWindowEscapeClosesItAndCancelClosesEverything)
{
    click("Button10");
    click("Button10");
    EXPECT_EQ(aboutWindowsOpen(), 1);
    RECT mainFrame{};
    RECT aboutFrame{};
    GetWindowRect(main.handle(), &mainFrame);
    GetWindowRect(FindWindowW(L"frnAbout", nullptr), &aboutFrame);
    EXPECT_NEAR(aboutFrame.left + aboutFrame.right, mainFrame.left + mainFrame.right, 2);
    EXPECT_NEAR(aboutFrame.top + aboutFrame.bottom, mainFrame.top + mainFrame.bottom, 2);
    // The keys go to the About window, as the program's message loop hands them on.
    MSG escape{GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    ASSERT_NE(escape.hwnd, nullptr);
    if (!IsDialogMessageW(main.handle(), &escape))
        DispatchMessageW(&escape);
    EXPECT_EQ(aboutWindowsOpen(), 0);
    click("Button10");
    EXPECT_EQ(aboutWindowsOpen(), 1);
    click("Button6");
    EXPECT_FALSE(main.isOpen());
    EXPECT_EQ(aboutWindowsOpen(), 0);
    EXPECT_EQ(host.removals, 1);
}

TEST_F(Windows, TheEndOfTheSessionCleansUpAsClosingDoes)
{
    struct Row {
        UINT message;
        WPARAM ending;
        LRESULT result;
        bool open;
    };
    const Row rows[] = {
        {WM_QUERYENDSESSION, 0, TRUE, true},
        {WM_ENDSESSION, FALSE, 0, true},
        {WM_ENDSESSION, TRUE, 0, false},
    };
    click("Button10");
    for (const auto& row : rows) {
        SCOPED_TRACE(row.message + row.ending);
        EXPECT_EQ(SendMessageW(main.handle(), row.message, row.ending, ENDSESSION_LOGOFF),
                  row.result);
        EXPECT_EQ(main.isOpen(), row.open);
        EXPECT_EQ(aboutWindowsOpen(), row.open ? 1 : 0);
        EXPECT_EQ(host.removals, row.open ? 0 : 1);
    }
}

TEST_F(Windows, AClickOnALinkIsAPressAndAReleaseInsideIt)
{
    frnAbout about(dialogs);
    about.show();
    const auto press = [&](std::string_view control, LPARAM releasedAt) {
        SendMessageW(about.control(control), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
        SendMessageW(about.control(control), WM_LBUTTONUP, 0, releasedAt);
    };
    press("Label2", MAKELPARAM(2, -30));
    press("Label1", MAKELPARAM(2, 2));
    EXPECT_TRUE(dialogs.openedUrls.empty());
    EXPECT_TRUE(about.isOpen());
    press("Label2", MAKELPARAM(2, 2));
    EXPECT_EQ(dialogs.openedUrls, (std::vector<std::u16string>{std::u16string(forms::FfmpegPage)}));
    EXPECT_FALSE(about.isOpen());
}

TEST_F(Windows, TheFolderBrowserReturnsANameTheCodePageCannotHold)
{
    wchar_t temp[MAX_PATH] = {};
    GetLongPathNameW(std::wstring(temp, GetTempPathW(MAX_PATH, temp)).c_str(), temp, MAX_PATH);
    const std::wstring folder = std::wstring(temp) + L"\u03A9mega";
    ASSERT_TRUE(CreateDirectoryW(folder.c_str(), nullptr) ||
                GetLastError() == ERROR_ALREADY_EXISTS);
    main.show(SW_SHOWNORMAL);
    BrowserAnswer answer{main.handle(), folder, L"Select Target Folder..."};
    browserAnswer = &answer;
    // A main window closed by an earlier test left its quit message, which would end the
    // browser's own message loop at once.
    for (MSG left; PeekMessageW(&left, nullptr, 0, 0, PM_REMOVE);) {
    }
    const UINT_PTR timer = SetTimer(nullptr, 0, 50, lookForBrowser);
    ui::win32::SystemDialogs system;
    const auto picked = system.BrowseForFolder(&main, u"Select Target Folder...");
    KillTimer(nullptr, timer);
    RemoveDirectoryW(folder.c_str());
    EXPECT_EQ(picked, std::u16string(folder.begin(), folder.end()));
    EXPECT_TRUE(answer.promptShown);
}

} // namespace
