#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

// The first picture of a GIF file, decoded without the system's OLE picture loader, whose DLLs
// would cost every start of the program time and memory.
namespace ui::win32::Gif {

struct Image {
    int width = 0;
    int height = 0;
    // One palette index a pixel, row by row from the top.
    std::vector<std::uint8_t> pixels;
    // 0x00RRGGBB for each index; an index past its end is black.
    std::vector<std::uint32_t> palette;
    std::optional<std::uint8_t> transparent;
};

// Nothing when the bytes are not a GIF file with a picture; data that ends early leaves the
// pixels it did not reach at index 0.
std::optional<Image> decode(std::span<const std::byte> file);

} // namespace ui::win32::Gif
