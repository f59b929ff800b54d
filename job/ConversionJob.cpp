#include "ConversionJob.h"

#include "ScriptHost.h"
#include "ScriptText.h"
#include "modPath.h"

#include <algorithm>

namespace ConversionJob {
namespace {

using job::ScriptDialect;

constexpr std::array<const char16_t*, FormatCount> Extensions = {u".avi", u".flv", u".swf",
                                                                 u".wmv"};

bool isWindows(ScriptDialect dialect)
{
    return dialect == ScriptDialect::Windows;
}

// Whether Windows opens a device instead of the file: a name whose part before its first dot,
// without the blanks Windows strips behind it, is one of the devices' names in any case. The
// converter would write the video to the console and succeed.
bool isDeviceName(std::u16string_view name)
{
    name = name.substr(0, name.find(u'.'));
    name = name.substr(0, name.find_last_not_of(u' ') + 1);
    std::u16string upper;
    for (char16_t c : name)
        upper += c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c;
    if (upper == u"CON" || upper == u"PRN" || upper == u"AUX" || upper == u"NUL")
        return true;
    return upper.size() == 4 && (upper.starts_with(u"COM") || upper.starts_with(u"LPT")) &&
           upper[3] >= u'1' && upper[3] <= u'9';
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

    const std::u16string target =
        targetIsFolder ? modPath::WithSeparator(inputs.target, dialect) : inputs.target;
    const std::u16string name = modPath::FileNamePart(inputs.source, dialect);
    if (name.empty())
        return Refusal{Messages::NameMissing};
    // The converter picks the output's format by its extension: without one it cannot write.
    const std::u16string ext = extension(inputs.selected);
    if (ext.empty())
        return Refusal{Messages::FormatMissing};
    // The cut is always at a dot, so no character is ever split.
    const auto nameEnd = name.size() - modPath::ExtensionPart(name, dialect).size();

    Script script;
    script.outputPath = target + name.substr(0, nameEnd) + ext;

    if (ScriptText::unsafeCharacter(dialect, inputs.source) ||
        ScriptText::unsafeCharacter(dialect, script.outputPath))
        return Refusal{isWindows(dialect) ? Messages::UnsafeWindows : Messages::UnsafePosix};
    if (isWindows(dialect) && isDeviceName(modPath::FileNamePart(script.outputPath, dialect)))
        return Refusal{Messages::DeviceName};
    if (modPath::SamePathText(inputs.source, script.outputPath, dialect))
        return Refusal{Messages::OverwritesSource};
    // The converter would read a leading dash as the start of an option.
    if (script.outputPath.front() == u'-')
        script.outputPath.insert(0, {u'.', modPath::Separator(dialect)});

    script.text = ScriptText::compose(dialect, inputs.source, script.outputPath, ext == u".swf");
    return script;
}

job::Error prepare(const Inputs& typed, job::ScriptHost& host)
{
    // The fields are read as the user reads them, from the program's current folder. Blanks
    // before a path, which pasted text often brings, are not part of it: joined to that folder
    // they would name a file the user never typed.
    Inputs inputs = typed;
    for (auto* path : {&inputs.source, &inputs.target}) {
        path->erase(0, std::min(path->find_first_not_of(u' '), path->size()));
        if (path->empty())
            continue;
        if (auto failure = host.absolute(*path))
            return failure;
        // A path the consoles would read from their own folder names another file.
        if (!modPath::IsAbsolute(*path, host.dialect()))
            return u"The path " + *path +
                   u" could not be read from the folder Varnelo was "
                   u"started in. Type the whole path.";
    }
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
