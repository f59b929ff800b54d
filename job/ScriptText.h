#pragma once

#include "ScriptDialect.h"

#include <optional>
#include <string>
#include <string_view>

// The five lines of a conversion script, in the language of the system's command interpreter.
namespace ScriptText {

// The first character of the path that the dialect cannot pass to the converter unchanged.
std::optional<char16_t> unsafeCharacter(job::ScriptDialect dialect, std::u16string_view path);

// The whole script, each line ended as the dialect ends lines. Both paths must be free of
// unsafe characters. Sample rate conversion is asked for when the output is SWF, which takes
// 44.1 kHz audio but not the 48 kHz of most video.
std::u16string compose(job::ScriptDialect dialect, std::u16string_view source,
                       std::u16string_view output, bool swfOutput);

// The Windows script with its converter named by the path, free of unsafe characters, instead
// of by the bare name, which a console would look for in folders of its own choosing. A script
// without the converter's line comes back unchanged.
std::u16string namingConverter(std::u16string_view script, std::u16string_view converter);

} // namespace ScriptText
