#include "Picture.h"

#include "Resources.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <string>

namespace ui::win32 {

namespace {

constexpr std::uint32_t Key = 0x00FF00FF; // magenta, as a DIB pixel

// Averages along one direction: COUNT lines of FROM pixels each, STEP apart within a line and
// LINE apart between lines, into lines of TO pixels laid out the same way.
void average(const std::uint32_t* from, std::uint32_t* to, long fromLength, long toLength,
             long count, long step, long toStep, long line, long toLine)
{
    const double ratio = double(fromLength) / double(toLength);
    for (long n = 0; n < count; ++n) {
        for (long i = 0; i < toLength; ++i) {
            const double begin = double(i) * ratio;
            const double end = begin + ratio;
            std::array<double, 4> sum{};
            for (long s = long(begin); s < fromLength && double(s) < end; ++s) {
                const double weight = std::min(end, double(s + 1)) - std::max(begin, double(s));
                const std::uint32_t pixel = from[n * line + s * step];
                for (int c = 0; c < 4; ++c)
                    sum[std::size_t(c)] += weight * double((pixel >> (8 * c)) & 0xFF);
            }
            std::uint32_t pixel = 0;
            for (int c = 0; c < 4; ++c) {
                const double value = std::min(255.0, sum[std::size_t(c)] / ratio + 0.5);
                pixel |= std::uint32_t(value) << (8 * c);
            }
            to[n * toLine + i * toStep] = pixel;
        }
    }
}

// The resource's bitmap, whose pixels follow its header and colour table.
const BITMAPINFO* bitmapResource(std::string_view name)
{
    const HMODULE program = GetModuleHandleW(nullptr);
    const HRSRC found = FindResourceW(program, Resources::name(name).c_str(), RT_BITMAP);
    const HGLOBAL loaded = found ? LoadResource(program, found) : nullptr;
    return loaded ? static_cast<const BITMAPINFO*>(LockResource(loaded)) : nullptr;
}

const void* pixelsOf(const BITMAPINFO& info)
{
    const BITMAPINFOHEADER& head = info.bmiHeader;
    DWORD colours = head.biClrUsed;
    if (colours == 0 && head.biBitCount <= 8)
        colours = 1u << head.biBitCount;
    const DWORD masks = head.biCompression == BI_BITFIELDS ? 3 : 0;
    return reinterpret_cast<const BYTE*>(&info) + head.biSize + (colours + masks) * sizeof(RGBQUAD);
}

// A 32-bit bitmap of the picture, and where its pixels lie.
GdiHandle<HBITMAP> section(SIZE size, std::uint32_t*& bits)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = size.cx;
    info.bmiHeader.biHeight = -size.cy; // top row first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* pixels = nullptr;
    GdiHandle<HBITMAP> bitmap(
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &pixels, nullptr, 0));
    bits = static_cast<std::uint32_t*>(pixels);
    return bitmap;
}

} // namespace

Pixels resampled(const Pixels& source, SIZE size)
{
    if (size.cx <= 0 || size.cy <= 0 || source.size.cx <= 0 || source.size.cy <= 0)
        return {};
    if (size.cx == source.size.cx && size.cy == source.size.cy)
        return source;
    // Across first, then down.
    std::vector<std::uint32_t> across(std::size_t(size.cx * source.size.cy));
    average(source.rows.data(), across.data(), source.size.cx, size.cx, source.size.cy, 1, 1,
            source.size.cx, size.cx);
    Pixels out{size, std::vector<std::uint32_t>(std::size_t(size.cx * size.cy))};
    average(across.data(), out.rows.data(), source.size.cy, size.cy, size.cx, size.cx, size.cx, 1,
            1);
    return out;
}

Picture::Picture(std::string_view name) : name_(name)
{
    // The design names the pictures by the files they were drawn in; the program carries each
    // as a bitmap named by the name's stem.
    const std::string_view stem = name.substr(0, name.find('.'));
    source_ = bitmapResource(stem);
    if (source_)
        transparent_ = source_->bmiHeader.biBitCount <= 8;
    name_ = stem;
}

void Picture::scaleTo(SIZE size) const
{
    shown_.reset();
    shownSize_ = size;
    // A scaled screen shows the bitmap drawn for it, shrunk to fit where it does not fit exactly.
    const BITMAPINFO* from = source_;
    if (size.cx > from->bmiHeader.biWidth) {
        const std::string large = std::string(name_) + "_2x";
        if (const BITMAPINFO* twice = bitmapResource(large))
            from = twice;
    }
    const LONG height = from->bmiHeader.biHeight;
    Pixels picture{{from->bmiHeader.biWidth, height < 0 ? -height : height}, {}};
    std::uint32_t* bits = nullptr;
    GdiHandle<HBITMAP> decoded = section(picture.size, bits);
    if (!decoded)
        return;
    const HDC screen = GetDC(nullptr);
    const int rows = SetDIBits(screen, decoded.get(), 0, UINT(picture.size.cy), pixelsOf(*from),
                               from, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    if (rows == 0)
        return;
    GdiFlush();
    const std::span<std::uint32_t> pixels(bits, std::size_t(picture.size.cx * picture.size.cy));
    for (std::uint32_t& pixel : pixels)
        pixel = transparent_ && (pixel & 0xFFFFFF) == Key ? 0 : pixel | 0xFF000000;
    if (size.cx == picture.size.cx && size.cy == picture.size.cy) {
        shown_ = std::move(decoded);
        return;
    }
    picture.rows.assign(pixels.begin(), pixels.end());
    decoded.reset();
    const Pixels scaled = resampled(picture, size);
    shown_ = section(size, bits);
    if (shown_)
        std::memcpy(bits, scaled.rows.data(), scaled.rows.size() * sizeof(std::uint32_t));
}

void Picture::draw(HDC dc, const RECT& box) const
{
    const SIZE size{box.right - box.left, box.bottom - box.top};
    if (!source_ || size.cx <= 0 || size.cy <= 0)
        return;
    if (size.cx != shownSize_.cx || size.cy != shownSize_.cy)
        scaleTo(size);
    if (!shown_)
        return;
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, shown_.get());
    if (transparent_) {
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        GdiAlphaBlend(dc, box.left, box.top, size.cx, size.cy, source, 0, 0, size.cx, size.cy,
                      blend);
    } else {
        BitBlt(dc, box.left, box.top, size.cx, size.cy, source, 0, 0, SRCCOPY);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

} // namespace ui::win32
