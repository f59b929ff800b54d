// Presses "GO" without a window: runs the conversion job on the system's platform with the
// source, target and format given on the command line, and says what the user would be told.
#include "job/ConversionJob.h"

#include <QString>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s SOURCE TARGET avi|flv|swf|wmv\n", argv[0]);
        return 2;
    }
    ConversionJob::Inputs inputs;
    inputs.source = QString::fromLocal8Bit(argv[1]).toStdU16String();
    inputs.target = QString::fromLocal8Bit(argv[2]).toStdU16String();
    const char* formats[] = {"avi", "flv", "swf", "wmv"};
    for (std::size_t i = 0; i < inputs.selected.size(); ++i)
        inputs.selected[i] = std::strcmp(argv[3], formats[i]) == 0;

    const auto host = platform::createScriptHost();
    auto message = ConversionJob::prepare(inputs, *host);
    if (!message)
        message = host->startScript();
    if (message) {
        std::printf("%s\n", qPrintable(QString::fromStdU16String(*message)));
        return 1;
    }
    return 0;
}
