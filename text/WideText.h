#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Conversions between the program's 16-bit texts and the system's code pages.
namespace WideText {

std::wstring toWide(const std::u16string& text);
std::u16string fromWide(const std::wstring& text);

// The text in the code page, or nothing when one of its characters has no exact equivalent
// there: a look-alike would name another file.
std::optional<std::string> toCodePage(const std::u16string& text, UINT codePage);
std::u16string fromCodePage(const std::string& text, UINT codePage);

// The system's description of an error code.
std::u16string systemMessage(DWORD error);

} // namespace WideText
