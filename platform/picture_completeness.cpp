#include "platform/picture_completeness.h"

#include <algorithm>
#include <cstdlib>

namespace platform {
namespace {

std::uint32_t little_endian(std::span<const std::uint8_t> file, std::size_t at, int bytes) {
    std::uint32_t value = 0;
    for (int i = bytes - 1; i >= 0; --i) value = (value << 8) | file[at + i];
    return value;
}

// Skips a chain of GIF data sub-blocks; returns the offset after the
// terminating empty block, or 0 when the file ends first. Adds the bytes the
// blocks carry to `payload`.
std::size_t skip_sub_blocks(std::span<const std::uint8_t> file, std::size_t at,
                            std::uint64_t& payload) {
    while (at < file.size()) {
        const std::size_t length = file[at];
        ++at;
        if (length == 0) return at;
        at += length;
        payload += length;
    }
    return 0;
}

// Skips the entropy-coded data of a JPEG scan; returns the offset of the
// marker that ends it, or the file size when the file ends first. In this
// data FF is followed by 00 (a stuffed FF) or by a restart marker D0..D7.
std::size_t skip_entropy_coded_data(std::span<const std::uint8_t> file, std::size_t at) {
    for (; at + 1 < file.size(); ++at) {
        if (file[at] != 0xFF) continue;
        const std::uint8_t next = file[at + 1];
        if (next != 0x00 && !(next >= 0xD0 && next <= 0xD7)) return at;
        ++at;
    }
    return file.size();
}

std::size_t colour_table_size(std::uint8_t packed) {
    return (packed & 0x80) ? 3u * (1u << ((packed & 7) + 1)) : 0;
}

// A Huffman-coded JPEG scan spends at least one bit on every 8 x 8 block of
// each component it codes (a DC difference, or an end of block, of a code
// one bit long at shortest), and the full-size component of a frame has
// one block for every 8 x 8 pixels. So the scans of a whole picture hold at
// least that many bits; less is a file cut short and padded, or one made to
// be decoded into a large picture of decoder fill.
// NOTE: arithmetic coding can spend far less than a bit on a block; frames
// coded so are not held to this.
bool jpeg_scans_cover_the_frame(std::uint64_t width, std::uint64_t height,
                                std::uint64_t scan_bytes) {
    return scan_bytes * 8 >= ((width + 7) / 8) * ((height + 7) / 8);
}

// Start-of-frame markers: C0..CF less C4 (DHT), C8 (JPG) and CC (DAC);
// from C9 on arithmetic-coded.
bool is_start_of_frame(std::uint8_t code) {
    return code >= 0xC0 && code <= 0xCF && code != 0xC4 && code != 0xC8 && code != 0xCC;
}

// An LZW code of w bits stands for an entry below 2^w of a table that grows
// by one string one pixel longer at a time, so for at most 2^w pixels; at
// the widest, 12 bits, that is 4096 / 12 pixels a bit. An image's data of
// fewer bits than that allows cannot hold all its pixels; decoders fill the
// rest.
bool gif_data_covers_the_image(std::uint64_t width, std::uint64_t height,
                               std::uint64_t data_bytes) {
    return data_bytes * 8 * 4096 >= width * height * 12;
}

}  // namespace

bool jpeg_is_complete(std::span<const std::uint8_t> file) {
    if (file.size() < 2 || file[0] != 0xFF || file[1] != 0xD8) return false;
    bool scanned = false;
    std::uint64_t width = 0, height = 0, scan_bytes = 0;
    bool huffman = true;
    std::size_t at = 2;
    for (;;) {
        // A marker: FF, any number of fill bytes FF, then its code. Stray
        // bytes before it are passed over, as decoders pass over them.
        while (at < file.size() && file[at] != 0xFF) ++at;
        while (at < file.size() && file[at] == 0xFF) ++at;
        if (at >= file.size()) return false;
        const std::uint8_t code = file[at++];
        if (code == 0xD9)  // end of image; what follows is not the picture's
            return scanned && (!huffman || jpeg_scans_cover_the_frame(width, height, scan_bytes));
        if (code == 0x01 || (code >= 0xD0 && code <= 0xD7)) continue;  // no length
        if (at + 2 > file.size()) return false;
        const std::size_t length = std::size_t(file[at]) << 8 | file[at + 1];
        if (length < 2) return false;
        if (is_start_of_frame(code) && width == 0 && length >= 7 && at + 7 <= file.size()) {
            height = std::uint64_t(file[at + 3]) << 8 | file[at + 4];
            width = std::uint64_t(file[at + 5]) << 8 | file[at + 6];
            huffman = code < 0xC9;
        }
        at += length;
        if (code == 0xDA) {
            const std::size_t data_start = std::min(at, file.size());
            at = skip_entropy_coded_data(file, at);
            scan_bytes += at - data_start;
            scanned = true;
        }
    }
}

bool gif_is_complete(std::span<const std::uint8_t> file) {
    if (file.size() < 13) return false;
    std::size_t at = 13 + colour_table_size(file[10]);
    bool image_ended_here = false;
    bool first_image = true;
    while (at < file.size()) {
        const std::uint8_t block = file[at];
        if (block == 0x3B) return true;
        image_ended_here = block == 0x2C;
        std::uint64_t payload = 0;
        if (block == 0x21) {  // extension: label, then sub-blocks
            at = at + 2 < file.size() ? skip_sub_blocks(file, at + 2, payload) : 0;
        } else if (block == 0x2C) {  // image: descriptor, colour table, code size, data
            if (at + 10 > file.size()) return false;
            const std::uint64_t width = little_endian(file, at + 5, 2);
            const std::uint64_t height = little_endian(file, at + 7, 2);
            at += 10 + colour_table_size(file[at + 9]) + 1;
            at = at < file.size() ? skip_sub_blocks(file, at, payload) : 0;
            // The first image is the picture the decoders show.
            if (at != 0 && first_image && !gif_data_covers_the_image(width, height, payload))
                return false;
            first_image = false;
        } else {
            return false;
        }
        if (at == 0) return false;
    }
    // Without the trailer, an image whose data ends exactly at the end of the
    // file is whole; decoders show it so.
    return image_ended_here && at == file.size();
}

bool bmp_is_complete(std::span<const std::uint8_t> file) {
    if (file.size() < 30) return false;
    const std::uint64_t pixel_offset = little_endian(file, 10, 4);
    const std::uint32_t header_size = little_endian(file, 14, 4);
    std::uint64_t width, height, bits;
    std::uint32_t compression = 0, declared = 0;
    if (header_size == 12) {  // OS/2 core header
        width = little_endian(file, 18, 2);
        height = little_endian(file, 20, 2);
        bits = little_endian(file, 24, 2);
    } else {
        if (file.size() < 38) return false;
        width = static_cast<std::uint64_t>(std::abs(
            static_cast<std::int64_t>(static_cast<std::int32_t>(little_endian(file, 18, 4)))));
        height = static_cast<std::uint64_t>(std::abs(
            static_cast<std::int64_t>(static_cast<std::int32_t>(little_endian(file, 22, 4)))));
        bits = little_endian(file, 28, 2);
        compression = little_endian(file, 30, 4);
        declared = little_endian(file, 34, 4);
    }
    std::uint64_t data_size;
    if (compression == 0 || compression == 3 || compression == 6) {
        // width < 2^32 and bits < 2^16, so a row fits; the whole may not.
        const std::uint64_t row_size = (width * bits + 31) / 32 * 4;
        if (height != 0 && row_size > (UINT64_MAX - pixel_offset) / height) return false;
        data_size = row_size * height;
    } else {
        data_size = declared;  // run-length coded: only the header's own figure
    }
    return file.size() >= pixel_offset + data_size;
}

}  // namespace platform
