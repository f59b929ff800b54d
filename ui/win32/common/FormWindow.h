#pragma once

#include "FormControls.h"
#include "forms/Design.h"
#include "forms/Dialogs.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace ui::win32 {

// A top-level window built from its design: its class, caption, icon, background, client size
// and controls, all scaled to the resolution of the screen it is on. A failure while it handles a
// message never unwinds through the system: its message box tells it, and the window goes on.
class FormWindow {
public:
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;
    virtual ~FormWindow();

    HWND handle() const { return window_; }
    bool isOpen() const { return window_ != nullptr; }
    HWND control(std::string_view name) const { return (*controls_)[name]; }

    // The design's control at that point of the client area, or null where there is none.
    const forms::Control* controlAt(POINT point) const;

protected:
    FormWindow(const forms::Window& design, forms::Dialogs& dialogs);

    // Opens the window hidden, centred on OVER when given, else a tool window where the system
    // puts new windows and any other centred on its screen. extraExStyle adds to the extended
    // styles of the window's kind.
    void create(DWORD extraExStyle = 0, HWND over = nullptr);
    void destroy();

    // What a window does with a message: the controls' commands, drawing and colours here.
    virtual LRESULT onMessage(UINT message, WPARAM wParam, LPARAM lParam);
    virtual void onCommand(const forms::Control& control, WORD code) = 0;

    const forms::Window& design() const { return design_; }
    forms::Dialogs& dialogs() const { return dialogs_; }

private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void layOut(UINT dpi);
    void centre(HWND over);

    const forms::Window& design_;
    forms::Dialogs& dialogs_;
    HWND window_ = nullptr;
    std::unique_ptr<FormControls> controls_;
};

} // namespace ui::win32
