#include "Picture.h"

#include "Gif.h"
#include "Resources.h"

#include <cstring>
#include <vector>

namespace ui::win32 {

namespace {

// As a bitmap of the screen's own format, which draws as fast as the screen can.
GdiHandle<HBITMAP> screenBitmap(const BITMAPINFO& info, const void* bits)
{
    const HDC screen = GetDC(nullptr);
    GdiHandle<HBITMAP> bitmap(
        CreateDIBitmap(screen, &info.bmiHeader, CBM_INIT, bits, &info, DIB_RGB_COLORS));
    ReleaseDC(nullptr, screen);
    return bitmap;
}

} // namespace

Picture::Picture(std::string_view name)
{
    const auto bytes = Resources::file(name);
    if (bytes.size() >= 2 && std::memcmp(bytes.data(), "BM", 2) == 0)
        loadBmp(bytes);
    else
        loadGif(bytes);
}

void Picture::loadBmp(std::span<const std::byte> file)
{
    BITMAPFILEHEADER head{};
    BITMAPINFOHEADER info{};
    if (file.size() < sizeof head + sizeof info)
        return;
    std::memcpy(&head, file.data(), sizeof head);
    std::memcpy(&info, file.data() + sizeof head, sizeof info);
    if (head.bfOffBits < sizeof head + sizeof info || head.bfOffBits >= file.size())
        return;
    // The header with its colour table, if any, runs up to the pixels; copied where its fields
    // are aligned.
    const std::size_t headerSize = head.bfOffBits - sizeof head;
    std::vector<DWORD> header((headerSize + sizeof(DWORD) - 1) / sizeof(DWORD));
    std::memcpy(header.data(), file.data() + sizeof head, headerSize);
    colours_ = screenBitmap(*reinterpret_cast<const BITMAPINFO*>(header.data()),
                            file.data() + head.bfOffBits);
    size_ = {info.biWidth, info.biHeight < 0 ? -info.biHeight : info.biHeight};
}

void Picture::loadGif(std::span<const std::byte> file)
{
    const auto image = Gif::decode(file);
    if (!image)
        return;
    size_ = {image->width, image->height};
    struct {
        BITMAPINFOHEADER header;
        RGBQUAD palette[256];
    } info{};
    info.header.biSize = sizeof info.header;
    info.header.biWidth = image->width;
    info.header.biHeight = -image->height; // top row first
    info.header.biPlanes = 1;
    info.header.biBitCount = 8;
    info.header.biCompression = BI_RGB;
    for (std::size_t i = 0; i < image->palette.size() && i < 256; ++i) {
        const std::uint32_t colour = image->palette[i];
        if (i != image->transparent)
            info.palette[i] = {static_cast<BYTE>(colour), static_cast<BYTE>(colour >> 8),
                               static_cast<BYTE>(colour >> 16), 0};
    }
    const auto width = static_cast<std::size_t>(image->width);
    // Colour rows are padded to whole 32-bit words, monochrome ones to 16-bit words.
    const std::size_t colourRow = (width + 3) / 4 * 4;
    const std::size_t maskRow = (width + 15) / 16 * 2;
    std::vector<BYTE> mask(maskRow * static_cast<std::size_t>(image->height), 0);
    std::vector<BYTE> indices(colourRow * static_cast<std::size_t>(image->height), 0);
    bool transparent = false;
    for (std::size_t i = 0; i < image->pixels.size(); ++i) {
        const std::size_t x = i % width;
        const std::size_t y = i / width;
        const std::uint8_t index = image->pixels[i];
        indices[y * colourRow + x] = index;
        if (index == image->transparent) {
            transparent = true;
            mask[y * maskRow + x / 8] |= static_cast<BYTE>(0x80 >> (x % 8));
        }
    }
    colours_ = screenBitmap(*reinterpret_cast<const BITMAPINFO*>(&info), indices.data());
    if (transparent)
        mask_.reset(CreateBitmap(image->width, image->height, 1, 1, mask.data()));
}

void Picture::draw(HDC dc, const RECT& box) const
{
    if (empty())
        return;
    // Shrinking a picture to a third of its size drops most of its pixels unless they are
    // averaged.
    const int oldMode = SetStretchBltMode(dc, HALFTONE);
    POINT oldOrigin{};
    SetBrushOrgEx(dc, 0, 0, &oldOrigin);
    const int width = box.right - box.left;
    const int height = box.bottom - box.top;
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, mask_ ? mask_.get() : colours_.get());
    if (mask_) {
        // The mask blacks out where the picture shows, then its colours are added there.
        const COLORREF oldBack = SetBkColor(dc, RGB(255, 255, 255));
        const COLORREF oldText = SetTextColor(dc, RGB(0, 0, 0));
        StretchBlt(dc, box.left, box.top, width, height, source, 0, 0, size_.cx, size_.cy, SRCAND);
        SelectObject(source, colours_.get());
        StretchBlt(dc, box.left, box.top, width, height, source, 0, 0, size_.cx, size_.cy,
                   SRCPAINT);
        SetTextColor(dc, oldText);
        SetBkColor(dc, oldBack);
    } else {
        StretchBlt(dc, box.left, box.top, width, height, source, 0, 0, size_.cx, size_.cy, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
    SetBrushOrgEx(dc, oldOrigin.x, oldOrigin.y, nullptr);
    SetStretchBltMode(dc, oldMode);
}

} // namespace ui::win32
