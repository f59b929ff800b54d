#pragma once

#include "forms/CommonDialog.h"
#include "forms/Dialogs.h"
#include "forms/MainView.h"
#include "forms/StartFile.h"

#include <string_view>
#include <vector>

// Only referred to here: a change to the host recompiles no window.
namespace job {
class ScriptHost;
} // namespace job

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

    // Files dropped on the design's control of that name, or on none (the empty name), read by
    // the rule the start's files are read by: the target field takes the first, and a drop
    // anywhere else is meant for the source field, which refuses a folder.
    void dropped(std::string_view control, const std::vector<StartFile::Given>& files);

    void Button38_Click(); // "Add"
    void Button2_Click();  // empties the source field
    void Button3_Click();  // "Target path"
    void Button7_Click();  // "GO"
    void Button4_Click();  // "Convert it now!", and the end of "GO"
    void Button10_Click(); // "HELP"
    void Button6_Click();  // "CANCEL"
    // The files the program was started with: the first is put in the source field as "Add"
    // would put it; a missing file, a folder or an address of no local file is not, and a
    // message says why, and what became of the others.
    void Form_Load(const std::vector<StartFile::Given>& files);
    void Form_Unload();

    const CommonDialog& dlg() const { return dlg_; }

private:
    // Puts the file taken in the field, a source only when it is an existing file, and says
    // what there is to say of it.
    void put(Field field, const StartFile::Taken& taken);

    // Shows a message box owned by the window.
    void MsgBox(const std::u16string& text);

    MainView& view_;
    Dialogs& dialogs_;
    job::ScriptHost& host_;
    CommonDialog dlg_;
};

} // namespace forms
