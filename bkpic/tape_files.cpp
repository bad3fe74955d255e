#include "bkpic/tape_files.h"

#include <cstdio>

#include "bkpic/output_name.h"
#include "formats/bin_file.h"
#include "formats/bk_screen.h"
#include "formats/m11_file.h"

namespace bkpic {
namespace {

namespace tape = bk::tape;
namespace wav = bk::wav;
using Source = Parsed<TapeSource>;

constexpr int address_space = 0x10000;

Source checked(TapeSource source) {
    const tape::Header& h = source.header;
    if (h.length == 0) return Source::fail("empty: the monitor puts no file of 0 bytes on tape");
    if (h.address + h.length > address_space)
        return Source::fail(std::to_string(h.length) + " bytes from " +
                            bk::bin::address_text(h.address) + " run past the top of memory");
    return {source, {}};
}

Source at(int address, std::span<const std::uint8_t> bytes, std::size_t limit, const char* kind) {
    if (bytes.size() > limit)
        return Source::fail("too large for " + std::string(kind) + ": at most " +
                            std::to_string(limit) + " bytes");
    return checked({{address, int(bytes.size()), {}}, bytes});
}

std::string seconds_text(const wav::Reading& sound) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f s", double(sound.frame_count()) / sound.format.rate);
    return text;
}

}  // namespace

bool goes_on_tape(const std::string& path) {
    const std::string extension = extension_of(path);
    return extension == "pic" || extension == "bbd" || extension == "11m" || extension == "bin";
}

Source tape_source(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::string extension = extension_of(path);
    if (extension == "pic")
        return at(bk::bin::screen_address, bytes, std::size_t(bk::colour_pic.file_size()),
                  "a PIC screen");
    if (extension == "bbd")
        return at(data_address, bytes, std::size_t(bk::bbd_sprite.file_size()), "a BBD sprite");
    if (extension == "11m") {
        const bk::m11::Reading reading = bk::m11::read(bytes);
        if (reading.status != bk::m11::ReadStatus::ok)
            return Source::fail(std::string(bk::m11::describe(reading.status)));
        return at(data_address, bytes, std::size_t(bk::m11::file_limit), "an 11M file");
    }
    if (extension == "bin") {
        const bk::bin::Reading reading = bk::bin::read_any(bytes);
        if (reading.status != bk::bin::ReadStatus::ok)
            return Source::fail("Not a BK file: " + bk::bin::describe(reading));
        return checked({{reading.header.address, reading.header.length, {}}, reading.data});
    }
    return Source::fail(not_for_tape);
}

std::string tape_name_note(const tape::Name& name) {
    return "tape name \"" + tape::name_text(name) + "\"";
}

TapeListing describe_tape(std::span<const std::uint8_t> file) {
    TapeListing listing;
    const wav::Reading sound = wav::read(file);
    if (sound.status != wav::ReadStatus::ok) {
        listing.error = wav::describe(sound);
        return listing;
    }
    const tape::Reading reading = tape::read(sound);
    std::string line = wav::describe(sound) + ", " + seconds_text(sound);
    if (reading.status == tape::ReadStatus::ok) line += ": " + tape::describe(reading);
    listing.lines.push_back(line);
    for (std::size_t k = 0; k < reading.files.size(); ++k)
        listing.lines.push_back("file " + std::to_string(k + 1) + ": " +
                                tape::describe(reading.files[k]));
    if (reading.status != tape::ReadStatus::ok) listing.error = tape::describe(reading);
    return listing;
}

}  // namespace bkpic
