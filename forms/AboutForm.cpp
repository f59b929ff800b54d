#include "AboutForm.h"

namespace forms {

void AboutForm::Image1_Click()
{
    desktop_.openUrl(MakerPage);
    view_.close();
}

void AboutForm::Label2_Click()
{
    desktop_.openUrl(FfmpegPage);
    view_.close();
}

} // namespace forms
