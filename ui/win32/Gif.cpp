#include "Gif.h"

#include <algorithm>
#include <array>

namespace ui::win32::Gif {
namespace {

constexpr int MaxCodes = 4096;

class Reader {
public:
    explicit Reader(std::span<const std::byte> bytes) : bytes_(bytes) {}

    bool failed() const { return failed_; }

    std::uint8_t byte()
    {
        if (at_ >= bytes_.size()) {
            failed_ = true;
            return 0;
        }
        return std::to_integer<std::uint8_t>(bytes_[at_++]);
    }

    int word()
    {
        const int low = byte();
        return low | byte() << 8;
    }

    std::vector<std::uint32_t> palette(int entries)
    {
        std::vector<std::uint32_t> colours(static_cast<std::size_t>(entries));
        for (auto& colour : colours) {
            const std::uint32_t red = byte();
            const std::uint32_t green = byte();
            colour = red << 16 | green << 8 | byte();
        }
        return colours;
    }

    // A run of sub-blocks, each led by its length, up to the empty one that ends it.
    std::vector<std::uint8_t> subBlocks()
    {
        std::vector<std::uint8_t> data;
        while (const int length = byte()) {
            for (int i = 0; i < length && !failed_; ++i)
                data.push_back(byte());
        }
        return data;
    }

private:
    std::span<const std::byte> bytes_;
    std::size_t at_ = 0;
    bool failed_ = false;
};

// Variable-width LZW as GIF packs it: codes low bit first, growing from one bit more than the
// minimum code size up to 12 bits.
void unpack(const std::vector<std::uint8_t>& data, int minimumSize,
            std::vector<std::uint8_t>& pixels)
{
    struct Entry {
        std::uint16_t prefix;
        std::uint16_t length;
        std::uint8_t suffix;
        std::uint8_t first;
    };
    std::array<Entry, MaxCodes> table{};
    const int clear = 1 << minimumSize;
    for (int code = 0; code < clear; ++code) {
        const auto index = static_cast<std::uint8_t>(code);
        table[static_cast<std::size_t>(code)] = {0, 1, index, index};
    }
    int size = minimumSize + 1;
    int next = clear + 2;
    int previous = -1;
    std::uint32_t bits = 0;
    int held = 0;
    std::size_t in = 0;
    std::size_t out = 0;
    while (out < pixels.size()) {
        while (held < size && in < data.size()) {
            bits |= static_cast<std::uint32_t>(data[in++]) << held;
            held += 8;
        }
        if (held < size)
            return;
        const int code = static_cast<int>(bits & ((1U << size) - 1));
        bits >>= size;
        held -= size;
        if (code == clear) {
            size = minimumSize + 1;
            next = clear + 2;
            previous = -1;
            continue;
        }
        if (code == clear + 1 || code > next || (previous < 0 && code >= clear))
            return;
        if (previous >= 0 && next < MaxCodes) {
            const Entry& before = table[static_cast<std::size_t>(previous)];
            // A code not yet in the table is the previous string followed by its own first
            // index.
            const std::uint8_t first =
                code == next ? before.first : table[static_cast<std::size_t>(code)].first;
            table[static_cast<std::size_t>(next)] = {static_cast<std::uint16_t>(previous),
                                                     static_cast<std::uint16_t>(before.length + 1),
                                                     first, before.first};
            ++next;
            if (next == 1 << size && size < 12)
                ++size;
        }
        // A string is written from its last index back to its first.
        const Entry* entry = &table[static_cast<std::size_t>(code)];
        const std::size_t length = std::min<std::size_t>(entry->length, pixels.size() - out);
        for (std::size_t skip = entry->length - length; skip > 0; --skip)
            entry = &table[entry->prefix];
        for (std::size_t i = length; i > 0; --i) {
            pixels[out + i - 1] = entry->suffix;
            entry = &table[entry->prefix];
        }
        out += length;
        previous = code;
    }
}

// An interlaced picture stores every eighth row from the first, then every eighth from the
// fifth, every fourth from the third, and every second from the second.
std::vector<std::uint8_t> deinterlaced(const std::vector<std::uint8_t>& stored, int width,
                                       int height)
{
    constexpr std::array<std::pair<int, int>, 4> Passes{{{0, 8}, {4, 8}, {2, 4}, {1, 2}}};
    std::vector<std::uint8_t> rows(stored.size());
    const auto rowBytes = static_cast<std::size_t>(width);
    auto from = stored.begin();
    for (const auto& [first, step] : Passes) {
        for (int row = first; row < height; row += step) {
            std::copy_n(from, rowBytes, rows.begin() + static_cast<std::ptrdiff_t>(row * rowBytes));
            from += static_cast<std::ptrdiff_t>(rowBytes);
        }
    }
    return rows;
}

} // namespace

std::optional<Image> decode(std::span<const std::byte> file)
{
    Reader reader(file);
    std::array<std::uint8_t, 6> signature{};
    for (auto& letter : signature)
        letter = reader.byte();
    if (!std::equal(signature.begin(), signature.begin() + 3, "GIF"))
        return std::nullopt;
    Image image;
    reader.word(); // the screen's size; the picture has its own
    reader.word();
    const int screenFlags = reader.byte();
    reader.byte(); // background colour
    reader.byte(); // pixel aspect ratio
    if (screenFlags & 0x80)
        image.palette = reader.palette(2 << (screenFlags & 7));

    while (!reader.failed()) {
        const int introducer = reader.byte();
        if (introducer == 0x21) {
            const int label = reader.byte();
            const auto data = reader.subBlocks();
            // The graphic control extension: its first byte's lowest bit says whether the
            // fourth names a transparent index.
            if (label == 0xF9 && data.size() >= 4 && (data[0] & 1))
                image.transparent = data[3];
        } else if (introducer == 0x2C) {
            reader.word(); // the place on the screen
            reader.word();
            image.width = reader.word();
            image.height = reader.word();
            const int flags = reader.byte();
            if (flags & 0x80)
                image.palette = reader.palette(2 << (flags & 7));
            const int minimumSize = reader.byte();
            const auto data = reader.subBlocks();
            if (reader.failed() || image.width == 0 || image.height == 0 || minimumSize < 2 ||
                minimumSize > 8)
                return std::nullopt;
            image.pixels.assign(static_cast<std::size_t>(image.width) * image.height, 0);
            unpack(data, minimumSize, image.pixels);
            if (flags & 0x40)
                image.pixels = deinterlaced(image.pixels, image.width, image.height);
            return image;
        } else {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace ui::win32::Gif
