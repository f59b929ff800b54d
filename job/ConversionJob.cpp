#include "ConversionJob.h"

#include "ScriptText.h"
#include "modPath.h"

#include <algorithm>

namespace ConversionJob {
namespace {

using platform::ScriptDialect;

constexpr std::array<const char16_t*, FormatCount> Extensions = {u".avi", u".flv", u".swf",
                                                                 u".wmv"};

char16_t foldAsciiCase(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

bool samePathText(std::u16string_view a, std::u16string_view b, ScriptDialect dialect)
{
    if (dialect == ScriptDialect::Posix)
        return a == b;
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](char16_t x, char16_t y) { return foldAsciiCase(x) == foldAsciiCase(y); });
}

bool isWindows(ScriptDialect dialect)
{
    return dialect == ScriptDialect::Windows;
}

// The characters that end a folder in a path: Windows takes both slashes, and a drive's colon
// ends the drive's current folder, to which a separator would give another meaning.
std::u16string_view folderEnds(ScriptDialect dialect)
{
    return isWindows(dialect) ? u"\\/:" : u"/";
}

// Where the file name's own part begins: on Windows a slash or a drive's colon may stand in it.
std::size_t nameStart(const std::u16string& name, ScriptDialect dialect)
{
    const auto folderEnd = name.find_last_of(folderEnds(dialect));
    return folderEnd == std::u16string::npos ? 0 : folderEnd + 1;
}

// Where the extension the name really has begins: at its last dot, when that dot is neither the
// first character of the name's own part nor in a folder before it. The cut is always at a dot,
// so no character is ever split.
std::size_t extensionStart(const std::u16string& name, ScriptDialect dialect)
{
    const auto dot = name.rfind(u'.');
    return dot == std::u16string::npos || dot <= nameStart(name, dialect) ? name.size() : dot;
}

} // namespace

std::u16string extension(const std::array<bool, FormatCount>& selected)
{
    std::u16string chosen;
    for (std::size_t format = 0; format < FormatCount; ++format) {
        if (selected[format])
            chosen = Extensions[format];
    }
    return chosen;
}

Plan plan(const Inputs& inputs, ScriptDialect dialect, bool targetIsFolder)
{
    if (inputs.target.empty())
        return Refusal{Messages::TargetMissing};
    if (inputs.source.empty())
        return Refusal{Messages::SourceMissing};

    const char16_t separator =
        isWindows(dialect) ? modPath::WindowsSeparator : modPath::PosixSeparator;
    std::u16string target = inputs.target;
    if (targetIsFolder && folderEnds(dialect).find(target.back()) == std::u16string_view::npos)
        target += separator;
    const std::u16string name = modPath::FileNamePart(inputs.source, separator);
    const auto nameEnd = extensionStart(name, dialect);
    if (nameEnd == nameStart(name, dialect))
        return Refusal{Messages::NameMissing};

    const std::u16string ext = extension(inputs.selected);
    Script script;
    script.outputPath = target + name.substr(0, nameEnd) + ext;

    if (ScriptText::unsafeCharacter(dialect, inputs.source) ||
        ScriptText::unsafeCharacter(dialect, script.outputPath))
        return Refusal{isWindows(dialect) ? Messages::UnsafeWindows : Messages::UnsafePosix};
    if (samePathText(inputs.source, script.outputPath, dialect))
        return Refusal{Messages::OverwritesSource};
    // The converter would read a leading dash as the start of an option.
    if (script.outputPath.front() == u'-')
        script.outputPath.insert(0, isWindows(dialect) ? u".\\" : u"./");

    script.text = ScriptText::compose(dialect, inputs.source, script.outputPath, ext == u".swf");
    return script;
}

platform::Error prepare(const Inputs& inputs, platform::ScriptHost& host)
{
    const Plan planned = plan(inputs, host.dialect(), host.isFolder(inputs.target));
    if (const auto* refusal = std::get_if<Refusal>(&planned))
        return refusal->message;
    const auto& script = std::get<Script>(planned);
    if (host.sameFile(inputs.source, script.outputPath))
        return std::u16string(Messages::OverwritesSource);
    if (auto missing = host.checkConverter())
        return missing;
    return host.writeScript(script.text);
}

} // namespace ConversionJob
