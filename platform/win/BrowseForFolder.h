#pragma once

#include <windows.h>

#include <shlobj.h>

#include <cstdint>
#include <string>

// The shell's folder browser.
namespace platform::FolderBrowser {

// The browse record: the owner window, the title, and only file-system folders confirmable;
// everything else zero.
BROWSEINFOA browseInfo(HWND owner, LPCSTR title);

// The path the shell wrote into the buffer, up to its first NUL.
std::u16string pathFromBuffer(const char* buffer, std::size_t size);

// The folder the user confirmed, or the empty text on cancel or on any failure.
std::u16string BrowseForFolder(std::uintptr_t lngHwnd, const std::u16string& strPrompt);

} // namespace platform::FolderBrowser
