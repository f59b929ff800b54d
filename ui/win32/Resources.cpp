#include "Resources.h"

namespace ui::win32::Resources {

std::wstring name(std::string_view picture)
{
    return std::wstring(picture.begin(), picture.end());
}

std::span<const std::byte> file(std::string_view picture)
{
    const HMODULE program = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(program, name(picture).c_str(), MAKEINTRESOURCEW(10));
    const HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    if (!loaded)
        return {};
    return {static_cast<const std::byte*>(LockResource(loaded)), SizeofResource(program, found)};
}

HICON icon(std::string_view picture, int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name(picture).c_str(),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace ui::win32::Resources
