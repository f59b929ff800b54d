#pragma once

#include "ScriptHost.h"

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

} // namespace ScriptText
