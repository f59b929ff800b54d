#include "Resources.h"

#include <cstdint>

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
GdiHandle<HBITMAP> iconPicture(std::string_view picture, int size, forms::Rgb key)
{
    const HMODULE program = GetModuleHandleW(nullptr);
    auto* group = static_cast<BYTE*>(resourceData(program, name(picture).c_str(), RT_GROUP_ICON));
    const int id =
        group ? LookupIconIdFromDirectoryEx(group, TRUE, size, size, LR_DEFAULTCOLOR) : 0;
    const auto* image =
        id ? static_cast<const BITMAPINFO*>(resourceData(program, MAKEINTRESOURCEW(id), RT_ICON))
           : nullptr;
    // An icon's image is a bitmap of twice its height, the colours over the mask, its rows from
    // the bottom up; PNG images are not among the program's icons.
    if (!image || image->bmiHeader.biSize != sizeof(BITMAPINFOHEADER) ||
        image->bmiHeader.biBitCount > 8 || image->bmiHeader.biCompression != BI_RGB)
        return {};
    const BITMAPINFOHEADER& head = image->bmiHeader;
    const unsigned depth = head.biBitCount;
    const std::size_t colours = head.biClrUsed ? head.biClrUsed : std::size_t{1} << depth;
    const LONG width = head.biWidth;
    const LONG height = head.biHeight / 2;
    const auto* rows =
        reinterpret_cast<const BYTE*>(image) + sizeof(BITMAPINFOHEADER) + colours * sizeof(RGBQUAD);
    const auto stride = std::size_t((width * LONG(depth) + 31) / 32 * 4);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    GdiHandle<HBITMAP> bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap)
        return {};
    // Decoded here rather than by the system: the palette's indices are a few shifts away from
    // the pixels, and the key colour becomes transparent on the way.
    auto* out = static_cast<std::uint32_t*>(bits);
    const unsigned mask = (1u << depth) - 1;
    for (LONG y = 0; y < height; ++y) {
        const BYTE* row = rows + std::size_t(height - 1 - y) * stride;
        for (LONG x = 0; x < width; ++x) {
            const auto bit = unsigned(x) * depth;
            const unsigned index = (row[bit / 8] >> (8 - depth - bit % 8)) & mask;
            const RGBQUAD colour = index < colours ? image->bmiColors[index] : RGBQUAD{};
            const std::uint32_t rgb = std::uint32_t(colour.rgbRed) << 16 |
                                      std::uint32_t(colour.rgbGreen) << 8 | colour.rgbBlue;
            out[y * width + x] = rgb == key ? 0 : rgb | 0xFF000000;
        }
    }
    return bitmap;
}

HICON icon(std::string_view picture, int size)
{
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), name(picture).c_str(),
                                         IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

} // namespace ui::win32::Resources
