#pragma once

#include "Design.h"

#include <string_view>

namespace forms {

// The main window, frmAutoPilot.
extern const Window MainWindowDesign;

// The two path fields of the main window.
enum class Field { Text1, txtPath };

// The control of that field.
std::string_view fieldControl(Field field);

// The option button that chooses the conversion job's format of that index, Option1(index).
std::string_view formatOption(int index);

} // namespace forms
