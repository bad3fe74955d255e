#pragma once
// BK files onto tape and back, for bkpic (formats/tape.h has the format).
//
// What goes on tape, by the input's extension in any letter case:
//   .pic  the screen: load address 040000, its bytes (at most 16384) as
//         they stand, so a whole screen is 040000 bytes at 040000;
//   .bin  the address and length of its header, and its bytes;
//   .bbd and .11M  the whole file as data at 001000, the start of the
//         BK-0010's user memory, for a program to take from there: neither
//         is laid out as the BK-0010's screen.
// The tape name is the output's name without its extension
// (bk::tape::name_for_file).
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "bkpic/arguments.h"
#include "formats/tape.h"

namespace bkpic {

inline constexpr int data_address = 01000;

struct TapeSource {
    bk::tape::Header header;  // its name still blank
    std::span<const std::uint8_t> data;
};

// Whether a file of this name goes on tape (by its extension), so that a
// picture given by mistake is refused before it is read.
bool goes_on_tape(const std::string& path);
inline constexpr const char* not_for_tape = "not a BK file: give a .pic, .bbd, .11M or .bin file";

// What the file `path` with these bytes puts on tape, or why it cannot.
Parsed<TapeSource> tape_source(const std::string& path, std::span<const std::uint8_t> bytes);

// "tape name \"PHOTO\"", the name as the monitor's prompt takes it.
std::string tape_name_note(const bk::tape::Name& name);

// info's lines for a tape: the sound, then one for each whole file (with
// its checksum, right or wrong); `error` tells why the reading stopped short.
struct TapeListing {
    std::vector<std::string> lines;
    std::string error;
};
TapeListing describe_tape(std::span<const std::uint8_t> wav);

}  // namespace bkpic
