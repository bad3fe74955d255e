#include "bkpic/info.h"

#include "formats/bin_file.h"
#include "formats/bk_screen.h"
#include "formats/m11_file.h"

namespace bkpic {
namespace {

namespace m11 = bk::m11;

std::string pixels(int width, int height) {
    return std::to_string(width) + "x" + std::to_string(height);
}

std::string describe_11m(std::span<const std::uint8_t> bytes) {
    const m11::Reading reading = m11::read(bytes);
    const m11::Header& h = reading.header;
    switch (reading.status) {
        case m11::ReadStatus::not_11m:
            break;
        case m11::ReadStatus::too_large:
            return "11M signature, but longer than " + std::to_string(m11::file_limit) +
                   " bytes: refused as too large";
        case m11::ReadStatus::bad_header:
            if (bytes.size() < std::size_t(m11::header_size))
                return "11M signature, but the header is cut short: refused";
            return "11M header with line width " + std::to_string(h.line_width) +
                   " and line count " + std::to_string(h.line_count) + ": refused as a bad header";
        case m11::ReadStatus::ok: {
            std::string text = "11M file, line width " + std::to_string(h.line_width) +
                               ", line count " + std::to_string(h.line_count) + ": " +
                               pixels(h.line_width * 4, h.line_count) + " four-colour or " +
                               pixels(h.line_width * 8, h.line_count) + " monochrome";
            const auto missing = std::int64_t(h.data_size()) - std::int64_t(reading.data.size());
            if (missing > 0)
                text += "; " + std::to_string(missing) + " bytes of picture data missing";
            else if (missing < 0)
                text += "; " + std::to_string(-missing) + " bytes beyond the picture data";
            return text + "; accepted";
        }
    }
    return {};
}

}  // namespace

std::string describe_bin_file(std::uint64_t size, std::span<const std::uint8_t> bytes,
                              bool longer) {
    namespace bin = bk::bin;
    std::string text = (longer ? "more than " : "") + std::to_string(size) + " bytes: BIN file";
    bin::Reading reading = bin::read(bytes);
    if (reading.status == bin::ReadStatus::no_header)
        return text + ", refused: " + bin::describe(reading);
    if (longer && reading.status == bin::ReadStatus::trailing_bytes)
        return text + ", refused: too large for a screen file";
    reading.data_size = size - bin::header_size;  // `bytes` may stop short of a long file
    if (reading.status == bin::ReadStatus::ok)
        return text + ", " + bin::describe(reading) + ": " +
               pixels(bk::mono_pic.width, bk::mono_pic.height) + " monochrome or " +
               pixels(bk::colour_pic.width, bk::colour_pic.height) + " four-colour";
    return text + ", refused: " + bin::describe(reading);
}

std::string describe_bk_file(std::uint64_t size, std::span<const std::uint8_t> bytes, bool longer) {
    std::string text = (longer ? "more than " : "") + std::to_string(size) + " bytes: ";
    if (const std::string m11_text = describe_11m(bytes); !m11_text.empty()) return text + m11_text;
    const auto pic_size = std::uint64_t(bk::colour_pic.file_size());
    const auto bbd_size = std::uint64_t(bk::bbd_sprite.file_size());
    if (size > pic_size) return text + "too large for a PIC screen or a BBD sprite: refused";
    if (size == pic_size)
        return text + "PIC screen, " + pixels(bk::mono_pic.width, bk::mono_pic.height) +
               " monochrome or " + pixels(bk::colour_pic.width, bk::colour_pic.height) +
               " four-colour";
    if (size == bbd_size)
        return text + "BBD sprite, " + pixels(bk::bbd_sprite.width, bk::bbd_sprite.height) +
               " four-colour";
    if (size < bbd_size)
        return text + "short BBD sprite or PIC screen; the rest is drawn from zeros";
    return text + "short PIC screen (" + std::to_string(pic_size - size) +
           " bytes missing, drawn from zeros); too large for a BBD sprite";
}

}  // namespace bkpic
