#include "MainForm.h"

#include "job/ConversionJob.h"
#include "job/modPath.h"

namespace forms {

MainForm::MainForm(MainView& view, platform::ScriptHost& host) : view_(view), host_(host) {}

void MainForm::Button38_Click()
{
    dlg_.CancelError = false;
    dlg_.DialogTitle = u"Open ...";
    dlg_.Filter = u"All (*.avi; *.flv; *.wmv; *.mpg; *.mpeg)|*.avi; *.flv; *.wmv; *.mpg; *.mpeg";
    // A cancel keeps what the field holds, typed text included.
    if (view_.showOpen(dlg_))
        view_.setText(Field::Text1, dlg_.FileName);
}

void MainForm::Button2_Click()
{
    view_.setText(Field::Text1, {});
}

void MainForm::Button3_Click()
{
    // A cancelled or failed pick keeps the target the user had.
    const auto folder = view_.browseForFolder(FolderPrompt);
    if (!folder)
        return;
    // A drive's root ends with its separator already.
    view_.setText(Field::txtPath, modPath::WithSeparator(*folder, host_.dialect()));
}

void MainForm::Button7_Click()
{
    ConversionJob::Inputs inputs;
    inputs.target = view_.text(Field::txtPath);
    inputs.source = view_.text(Field::Text1);
    for (int i = 0; i < ConversionJob::FormatCount; ++i)
        inputs.selected[i] = view_.isSelected(i);
    if (const auto refusal = ConversionJob::prepare(inputs, host_)) {
        view_.showMessage(*refusal);
        return;
    }
    Button4_Click();
}

void MainForm::Button4_Click()
{
    if (const auto failure = host_.startScript())
        view_.showMessage(*failure);
}

void MainForm::Button10_Click()
{
    view_.showAbout();
}

void MainForm::Button6_Click()
{
    view_.close();
}

void MainForm::Form_Load(const std::u16string& file)
{
    if (file.empty())
        return;
    if (host_.isFolder(file))
        view_.showMessage(u"The source MUST be a video file, and " + file + u" is a folder.");
    else if (!host_.exists(file))
        view_.showMessage(u"The source file " + file + u" does not exist.");
    else
        view_.setText(Field::Text1, file);
}

void MainForm::Form_Unload()
{
    host_.removeScripts();
    view_.closeAbout();
}

} // namespace forms
