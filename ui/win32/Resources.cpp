#include "Resources.h"

#include <cstring>
#include <vector>

namespace ui::win32::Resources {

std::wstring name(std::string_view picture)
{
    return std::wstring(picture.begin(), picture.end());
}

namespace {

void* resourceData(HMODULE program, const wchar_t* name, const wchar_t* type)
{
    const HRSRC found = FindResourceW(program, name, type);
    const HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    return loaded ? LockResource(loaded) : nullptr;
}

} // namespace

// Straight from the icon's resource: the system's icon loader makes an icon, with its mask and
// colour bitmaps, only for both to be copied out of it and the icon dropped again.
GdiHandle<HBITMAP> iconColours(std::string_view picture, int size)
{
    const HMODULE program = GetModuleHandleW(nullptr);
    auto* group = static_cast<BYTE*>(resourceData(program, name(picture).c_str(), RT_GROUP_ICON));
    const int id =
        group ? LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR) : 0;
    const auto* image =
        id ? static_cast<const BITMAPINFO*>(resourceData(program, MAKEINTRESOURCEW(id), RT_ICON))
           : nullptr;
    // An icon's image is a bitmap of twice its height, the colours over the mask; PNG images
    // are not among the program's icons.
    if (!image || image->bmiHeader.biSize != sizeof(BITMAPINFOHEADER) ||
        image->bmiHeader.biBitCount > 8)
        return {};
    const auto colours =
        static_cast<std::size_t>(image->bmiHeader.biClrUsed ? image->bmiHeader.biClrUsed
                                                            : 1u << image->bmiHeader.biBitCount);
    const std::size_t headerSize = sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    std::vector<DWORD> header((headerSize + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(header.data(), image, headerSize);
    auto* info = reinterpret_cast<BITMAPINFO*>(header.data());
    info->bmiHeader.biHeight /= 2;
    const HDC screen = GetDC(nullptr);
    GdiHandle<HBITMAP> bitmap(CreateDIBitmap(screen, &info->bmiHeader, CBM_INIT,
                                             reinterpret_cast<const BYTE*>(image) + headerSize,
                                             info, DIB_RGB_COLORS));
    ReleaseDC(nullptr, screen);
    return bitmap;
}

HICON icon(std::string_view picture, int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name(picture).c_str(),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace ui::win32::Resources
