// Presses "GO" without a window: runs the main window's behaviour on the system's platform with
// the source, target and format given on the command line, and says what the user would be
// told.
#include "forms/MainForm.h"
#include "job/ScriptHost.h"
#include "platform/Platform.h"
#include "tests/support/FakeDialogs.h"
#include "tests/support/FakeMainView.h"

#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE TARGET avi|flv|swf|wmv\n", argv[0]);
        return 2;
    }
    FakeMainView view;
    view.source = QString::fromLocal8Bit(argv[1]).toStdU16String();
    view.target = QString::fromLocal8Bit(argv[2]).toStdU16String();
    const char* formats[] = {"avi", "flv", "swf", "wmv"};
    for (std::size_t i = 0; i < view.selected.size(); ++i)
        view.selected[i] = std::strcmp(argv[3], formats[i]) == 0;

    const auto host = platform::createScriptHost();
    FakeDialogs dialogs;
    forms::MainForm(view, dialogs, *host).Button7_Click();
    for (const auto& message : dialogs.messages)
        std::printf("%s\n", qPrintable(QString::fromStdU16String(message)));
    return dialogs.messages.empty() ? 0 : 1;
}
