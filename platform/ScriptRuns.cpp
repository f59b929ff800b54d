#include "ScriptRuns.h"

#include <algorithm>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace platform {
namespace {

// The standard library's own conversion from the system's narrow encoding.
std::u16string fromSystemText(const std::string& text)
{
    return fs::path(text).u16string();
}

} // namespace

ScriptRuns::ScriptRuns(fs::path folder, fs::path scriptName, unsigned long processId)
    : folder_(std::move(folder)), scriptName_(std::move(scriptName)), processId_(processId)
{
}

Error ScriptRuns::start(const ConsoleStarter& startConsole)
{
    std::error_code error;
    if (!fs::is_regular_file(script(), error))
        return std::u16string(u"There is no conversion script to run yet: press GO first!");
    const auto copy = copyForRun(error);
    if (copy.empty())
        return u"The conversion script could not be copied for its run: " +
               fromSystemText(error.message()) + u".";
    auto failure = startConsole(copy.u16string());
    if (failure)
        discard(copy);
    return failure;
}

fs::path ScriptRuns::copyForRun(std::error_code& error)
{
    // The process id keeps the copies of two programs running at once apart.
    const auto stem = scriptName_.stem().string() + "-" + std::to_string(processId_) + "-";
    for (;;) {
        auto copy =
            folder_ / (stem + std::to_string(nextRun_++) + scriptName_.extension().string());
        fs::copy_file(script(), copy, fs::copy_options::none, error);
        if (!error) {
            copies_.push_back(copy);
            return copy;
        }
        if (error != std::errc::file_exists)
            return {};
    }
}

void ScriptRuns::discard(const fs::path& copy)
{
    std::error_code ignored;
    fs::remove(copy, ignored);
    copies_.erase(std::remove(copies_.begin(), copies_.end(), copy), copies_.end());
}

void ScriptRuns::removeAll(const InUse& inUse)
{
    std::error_code ignored;
    fs::remove(script(), ignored);
    std::vector<fs::path> kept;
    for (const auto& copy : copies_) {
        if (inUse && inUse(copy))
            kept.push_back(copy);
        else
            fs::remove(copy, ignored);
    }
    copies_ = kept;
    // Removes the folder only when it is empty: anything else in it is not ours.
    fs::remove(folder_, ignored);
}

} // namespace platform
