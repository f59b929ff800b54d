#include "ConversionJob.h"

#include "ScriptText.h"
#include "modPath.h"

#include <algorithm>

namespace ConversionJob {
namespace {

using platform::ScriptDialect;

// How many characters the job cuts from the end of the target and file name: the dot and the
// three letters of the source's extension.
constexpr std::size_t ExtensionLength = 4;

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

Plan plan(const Inputs& inputs, ScriptDialect dialect)
{
    if (inputs.target.empty())
        return Refusal{Messages::TargetMissing};
    if (inputs.source.empty())
        return Refusal{Messages::SourceMissing};

    const char16_t separator =
        dialect == ScriptDialect::Windows ? modPath::WindowsSeparator : modPath::PosixSeparator;
    const std::u16string combined = inputs.target + modPath::FileNamePart(inputs.source, separator);
    if (combined.size() <= ExtensionLength)
        return Refusal{Messages::NameTooShort};

    const std::u16string ext = extension(inputs.selected);
    Script script;
    script.outputPath = combined.substr(0, combined.size() - ExtensionLength) + ext;

    if (ScriptText::unsafeCharacter(dialect, inputs.source) ||
        ScriptText::unsafeCharacter(dialect, script.outputPath))
        return Refusal{dialect == ScriptDialect::Windows ? Messages::UnsafeWindows
                                                         : Messages::UnsafePosix};
    if (samePathText(inputs.source, script.outputPath, dialect))
        return Refusal{Messages::OverwritesSource};

    script.text = ScriptText::compose(dialect, inputs.source, script.outputPath, ext == u".swf");
    return script;
}

platform::Error prepare(const Inputs& inputs, platform::ScriptHost& host)
{
    const Plan planned = plan(inputs, host.dialect());
    if (const auto* refusal = std::get_if<Refusal>(&planned))
        return refusal->message;
    const auto& script = std::get<Script>(planned);
    if (host.sameFile(inputs.source, script.outputPath))
        return std::u16string(Messages::OverwritesSource);
    return host.writeScript(script.text);
}

} // namespace ConversionJob
