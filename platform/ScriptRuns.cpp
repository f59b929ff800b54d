#include "ScriptRuns.h"

#include <algorithm>
#include <string>
#include <utility>

namespace fs = std::filesystem;

namespace platform {

ScriptRuns::ScriptRuns(fs::path folder, fs::path scriptName, unsigned long processId)
    : folder_(std::move(folder)), scriptName_(std::move(scriptName)), processId_(processId)
{
}

fs::path ScriptRuns::copyForRun(std::error_code& error)
{
    // The process id keeps the copies of two programs running at once apart.
    const auto stem = scriptName_.stem().string() + "-" + std::to_string(processId_) + "-";
    for (;;) {
        auto copy = folder_ / (stem + std::to_string(nextRun_++) + scriptName_.extension().string());
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

void ScriptRuns::removeAll()
{
    std::error_code ignored;
    fs::remove(script(), ignored);
    for (const auto& copy : copies_)
        fs::remove(copy, ignored);
    copies_.clear();
    // Removes the folder only when it is empty: anything else in it is not ours.
    fs::remove(folder_, ignored);
}

} // namespace platform
