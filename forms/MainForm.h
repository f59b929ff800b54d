#pragma once

#include "forms/CommonDialog.h"
#include "forms/Dialogs.h"
#include "forms/MainView.h"
#include "job/ScriptHost.h"

#include <string_view>

namespace forms {

// The main window's behaviour: one handler per button, and the unload.
class MainForm {
public:
    static constexpr char16_t FolderPrompt[] = u"Select Target Folder...";
    // The designed entry first; the videos ffmpeg reads besides, and any file, after it.
    static constexpr char16_t OpenFilter[] =
        u"All (*.avi; *.flv; *.wmv; *.mpg; *.mpeg)|*.avi; *.flv; *.wmv; *.mpg; *.mpeg"
        u"|Other videos (*.mp4; *.m4v; *.mkv; *.mov; *.webm; *.ts; *.m2ts; *.mts; *.3gp; *.ogv; "
        u"*.vob; *.asf; *.divx; *.rm; *.rmvb)"
        u"|*.mp4; *.m4v; *.mkv; *.mov; *.webm; *.ts; *.m2ts; *.mts; *.3gp; *.ogv; *.vob; *.asf; "
        u"*.divx; *.rm; *.rmvb"
        u"|All files (*.*)|*.*";

    MainForm(MainView& view, Dialogs& dialogs, job::ScriptHost& host);

    // A click on the design's control of that name: runs its handler, if it has one.
    void click(std::string_view control);

    // A file dropped on the design's control of that name, or on none (the empty name): a
    // field takes it, and a drop anywhere else is meant for the source field, which refuses a
    // folder with a message, as the start does.
    void dropped(std::string_view control, const std::u16string& file);

    // Whether the text is an address such as "http://..." rather than a path: a scheme of two
    // characters or more before a colon, so that a drive letter is not one.
    static bool isAddress(std::u16string_view text);

    void Button38_Click(); // "Add"
    void Button2_Click();  // empties the source field
    void Button3_Click();  // "Target path"
    void Button7_Click();  // "GO"
    void Button4_Click();  // "Convert it now!", and the end of "GO"
    void Button10_Click(); // "HELP"
    void Button6_Click();  // "CANCEL"
    // The file the program was started with, put in the source field as "Add" would put it; a
    // missing file, a folder or an address is not, and a message says why. Empty when none was
    // given.
    void Form_Load(const std::u16string& file);
    void Form_Unload();

    const CommonDialog& dlg() const { return dlg_; }

private:
    // Shows a message box owned by the window.
    void MsgBox(const std::u16string& text);

    MainView& view_;
    Dialogs& dialogs_;
    job::ScriptHost& host_;
    CommonDialog dlg_;
};

} // namespace forms
