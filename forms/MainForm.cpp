#include "MainForm.h"

#include "MainWindowDesign.h"
#include "job/ConversionJob.h"
#include "job/ScriptHost.h"
#include "job/modPath.h"

namespace forms {
namespace {

struct Handler {
    std::string_view name;
    void (MainForm::*run)();
};
constexpr Handler Handlers[] = {
    {"Button38_Click", &MainForm::Button38_Click}, {"Button2_Click", &MainForm::Button2_Click},
    {"Button3_Click", &MainForm::Button3_Click},   {"Button7_Click", &MainForm::Button7_Click},
    {"Button4_Click", &MainForm::Button4_Click},   {"Button10_Click", &MainForm::Button10_Click},
    {"Button6_Click", &MainForm::Button6_Click},
};

} // namespace

MainForm::MainForm(MainView& view, Dialogs& dialogs, job::ScriptHost& host)
    : view_(view), dialogs_(dialogs), host_(host), dlg_(dialogs, view)
{
}

void MainForm::MsgBox(const std::u16string& text)
{
    dialogs_.showMessage(&view_, text);
}

void MainForm::click(std::string_view control)
{
    const std::string_view handler = MainWindowDesign.control(control).click;
    for (const auto& [name, run] : Handlers) {
        if (name == handler) {
            (this->*run)();
            return;
        }
    }
}

void MainForm::dropped(std::string_view control, const std::vector<StartFile::Given>& files)
{
    // A folder is what the target field holds, never a source.
    put(control == fieldControl(Field::txtPath) ? Field::txtPath : Field::Text1,
        StartFile::take(files, host_));
}

void MainForm::put(Field field, const StartFile::Taken& taken)
{
    std::u16string why = taken.path.empty() ? taken.message : u"";
    if (why.empty() && field == Field::Text1) {
        if (host_.isFolder(taken.path))
            why = u"The source MUST be a video file, and " + taken.path + u" is a folder.";
        else if (!host_.exists(taken.path))
            why = u"The source file " + taken.path + u" does not exist.";
        if (!why.empty() && !taken.message.empty())
            why += u" " + taken.message;
    }
    if (why.empty()) {
        view_.setText(field, taken.path);
        why = taken.message;
    }
    if (!why.empty())
        MsgBox(why);
}

void MainForm::Button38_Click()
{
    dlg_.CancelError = false;
    dlg_.DialogTitle = u"Open ...";
    dlg_.Filter = OpenFilter;
    // A cancel keeps what the field holds, typed text included.
    if (dlg_.ShowOpen())
        view_.setText(Field::Text1, dlg_.FileName);
}

void MainForm::Button2_Click()
{
    view_.setText(Field::Text1, {});
}

void MainForm::Button3_Click()
{
    // A cancelled or failed pick keeps the target the user had.
    const std::u16string folder = dialogs_.BrowseForFolder(&view_, FolderPrompt);
    if (folder.empty())
        return;
    // A drive's root ends with its separator already.
    view_.setText(Field::txtPath, modPath::WithSeparator(folder, host_.dialect()));
}

void MainForm::Button7_Click()
{
    ConversionJob::Inputs inputs;
    inputs.target = view_.text(Field::txtPath);
    inputs.source = view_.text(Field::Text1);
    for (int i = 0; i < ConversionJob::FormatCount; ++i)
        inputs.selected[i] = view_.isSelected(i);
    if (const auto refusal = ConversionJob::prepare(inputs, host_)) {
        MsgBox(*refusal);
        return;
    }
    Button4_Click();
}

void MainForm::Button4_Click()
{
    if (const auto failure = host_.startScript())
        MsgBox(*failure);
}

void MainForm::Button10_Click()
{
    view_.showAbout();
}

void MainForm::Button6_Click()
{
    view_.close();
}

void MainForm::Form_Load(const std::vector<StartFile::Given>& files)
{
    if (!files.empty())
        put(Field::Text1, StartFile::take(files, host_));
}

void MainForm::Form_Unload()
{
    host_.removeScripts();
    view_.closeAbout();
}

} // namespace forms
