#include "AboutForm.h"

namespace forms {

void AboutForm::Image1_Click()
{
    view_.openUrl(MakerPage);
    view_.close();
}

void AboutForm::Label2_Click()
{
    view_.openUrl(FfmpegPage);
    view_.close();
}

} // namespace forms
