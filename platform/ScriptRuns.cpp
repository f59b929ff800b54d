#include "ScriptRuns.h"

#include "ScriptFiles.h"

#include <charconv>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace platform {
namespace {

ScriptFiles::Path digits(unsigned long number)
{
    const std::string text = std::to_string(number);
    return {text.begin(), text.end()};
}

std::optional<unsigned long> number(std::string_view digits)
{
    unsigned long value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size())
        return std::nullopt;
    return value;
}

// Run 0 names the file a new script is written to before it takes the script's name.
constexpr unsigned long WritingRun = 0;

} // namespace

ScriptRuns::ScriptRuns(Path folder, Path scriptName, unsigned long processId)
    : folder_(std::move(folder)), scriptName_(std::move(scriptName)),
      extension_(modPath::ExtensionPart(scriptName_, ScriptFiles::Dialect)),
      stem_(scriptName_.substr(0, scriptName_.size() - extension_.size())), processId_(processId)
{
}

ScriptRuns::Path ScriptRuns::copyName(unsigned long run) const
{
    // The process id keeps the copies of two programs running at once apart.
    const Path dash(1, '-');
    return modPath::Join(folder_,
                         stem_ + dash + digits(processId_) + dash + digits(run) + extension_,
                         ScriptFiles::Dialect);
}

std::error_code ScriptRuns::write(std::string_view bytes)
{
    const auto temporary = copyName(WritingRun);
    auto error = ScriptFiles::create(temporary, bytes);
    if (error == std::errc::file_exists) {
        // Left by an ended program that had this program's id.
        ScriptFiles::remove(temporary);
        error = ScriptFiles::create(temporary, bytes);
    }
    if (!error) {
        error = ScriptFiles::rename(temporary, script());
        if (error)
            ScriptFiles::remove(temporary);
        else
            written_ = bytes;
    }
    return error;
}

Error ScriptRuns::start(const ConsoleStarter& startConsole)
{
    if (!written_)
        return std::u16string(u"There is no conversion script to run yet: press GO first!");
    std::error_code error;
    const auto copy = copyForRun(error);
    if (copy.empty())
        return u"The conversion script could not be copied for its run: " +
               ScriptFiles::describe(error) + u".";
    auto failure = startConsole(ScriptFiles::text(copy));
    if (failure)
        discard(copy);
    return failure;
}

ScriptRuns::Path ScriptRuns::copyForRun(std::error_code& error)
{
    if (!written_) {
        error = std::make_error_code(std::errc::no_such_file_or_directory);
        return {};
    }
    for (;;) {
        auto copy = copyName(nextRun_++);
        error = ScriptFiles::create(copy, *written_);
        if (!error)
            return copy;
        if (error != std::errc::file_exists)
            return {};
    }
}

void ScriptRuns::discard(const Path& copy)
{
    ScriptFiles::remove(copy);
}

void ScriptRuns::removeUnused(const InUse& inUse)
{
    // Names of the form STEM-PROCESS-RUN.EXTENSION, compared in the system's own encoding.
    const Path stem = stem_ + Path(1, '-');
    const Path& extension = extension_;
    std::vector<std::pair<Path, unsigned long>> copies;
    std::error_code error;
    for (const auto& name : ScriptFiles::names(folder_, error)) {
        if (name.size() <= stem.size() + extension.size() || name.compare(0, stem.size(), stem) ||
            name.compare(name.size() - extension.size(), extension.size(), extension))
            continue;
        std::string ids;
        for (auto c = name.begin() + stem.size(); c != name.end() - extension.size(); ++c)
            ids += (*c >= '0' && *c <= '9') || *c == '-' ? static_cast<char>(*c) : 'x';
        const auto dash = ids.find('-');
        const auto processId = number(std::string_view(ids).substr(0, dash));
        if (dash != std::string::npos && processId &&
            number(std::string_view(ids).substr(dash + 1)))
            copies.emplace_back(modPath::Join(folder_, name, ScriptFiles::Dialect), *processId);
    }
    for (const auto& [copy, processId] : copies) {
        if (!inUse(copy, processId))
            ScriptFiles::remove(copy);
    }
}

void ScriptRuns::removeAll(const InUse& inUse)
{
    // Another program, or the user, may have put a script of its own under the name since.
    std::string bytes;
    if (written_ && !ScriptFiles::read(script(), bytes) && bytes == *written_)
        ScriptFiles::remove(script());
    removeUnused(inUse);
    // Fails unless the folder is empty: anything else in it is not ours.
    ScriptFiles::removeFolder(folder_);
}

} // namespace platform
