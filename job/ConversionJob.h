#pragma once

#include "Error.h"
#include "ScriptDialect.h"

#include <array>
#include <string>
#include <variant>

// The program's one piece of work: from the source file, the target folder and the chosen
// format it writes the conversion script and starts it in a console.
namespace job {
class ScriptHost;
} // namespace job

namespace ConversionJob {

// The formats, in the order of the main window's format buttons.
enum Format { Avi, Flv, Swf, Wmv, FormatCount };

struct Inputs {
    std::u16string source;
    std::u16string target; // the front of the output path; a folder gets a separator if needed
    std::array<bool, FormatCount> selected{};
};

struct Refusal {
    std::u16string message;
};

struct Script {
    std::u16string outputPath;
    std::u16string text;
};

using Plan = std::variant<Refusal, Script>;

namespace Messages {
inline constexpr char16_t TargetMissing[] = u"Target path MUST be set before proceeding!";
inline constexpr char16_t SourceMissing[] = u"Source file MUST be set before proceeding!";
inline constexpr char16_t NameMissing[] = u"Source file MUST have a name before its extension!";
inline constexpr char16_t FormatMissing[] = u"Output format MUST be chosen before proceeding!";
inline constexpr char16_t OverwritesSource[] =
    u"The converted file MUST NOT take the place of the source file!";
inline constexpr char16_t UnsafeWindows[] =
    u"Paths MUST NOT hold double quotes or control characters!";
inline constexpr char16_t UnsafePosix[] = u"Paths MUST NOT hold control characters!";
inline constexpr char16_t DeviceName[] =
    u"The converted file's name MUST NOT be one Windows keeps for a device (CON, PRN, AUX, NUL, "
    u"COM1 to COM9, LPT1 to LPT9)!";
} // namespace Messages

// The extension of the highest selected format, or the empty text when none is selected.
std::u16string extension(const std::array<bool, FormatCount>& selected);

// The output path and the script for the inputs, or why they cannot be converted. Looks at the
// text alone and at whether the target text names an existing folder.
Plan plan(const Inputs& inputs, job::ScriptDialect dialect, bool targetIsFolder = false);

// What the "GO" button does before it starts the script: drops the blanks before each path,
// makes relative paths whole from the program's current folder, plans the job, refuses a job that
// would overwrite its source or whose converter a console would not find, and writes the script.
// Returns the message for the user when it stopped, and then nothing is started.
job::Error prepare(const Inputs& inputs, job::ScriptHost& host);

} // namespace ConversionJob
