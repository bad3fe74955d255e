// Files that Open refuses in the viewer main window: too large for the mode,
// unreadable, .bin files that are no screen, tapes that do not read or hold
// no screen. Each is reported and changes nothing: not the picture, not the
// file name, not a byte of the buffer.
#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <optional>

#include "formats/tape.h"
#include "tests/viewer/viewer_rig.h"

namespace {

using namespace viewer_testing;
namespace tape = bk::tape;

struct Refusal {
    const char* mode;
    std::string name;                  // in the files folder; "" for the folder itself
    std::optional<std::string> bytes;  // none: the file is missing
    std::string text;
    const char* title = "ORVAK: Open";
};

std::string text_of(const std::vector<std::uint8_t>& bytes) {
    return {bytes.begin(), bytes.end()};
}

std::vector<Refusal> refusals() {
    const std::string screen(16384, '\x55');
    const std::vector<std::uint8_t> tape_screen(16384, 0x0F);
    const tape::Header header{040000, 16384, tape::name_from("pic")};
    std::vector<std::uint8_t> cut = tape::wav_bytes(header, tape_screen);
    cut.resize(cut.size() / 2);
    const std::string bin = std::string("\x00\x40\x00\x40", 4) + screen;
    return {
        {"sbk64_mnu", "big.bbd", std::string(1025, '\xFF'), "File too large!", "ORVAK"},
        {"sbk256_mnu", "big.pic", std::string(16385, '\xFF'), "File too large!", "ORVAK"},
        {"sbk256_mnu", "missing.pic", std::nullopt, "Error 2: No such file or directory"},
        {"sbk256_mnu", "", std::nullopt, "Error 21: Is a directory"},
        {"sbk256_mnu", "other.BIN", std::string("\x00\x02\x00\x40", 4) + screen,
         "Not a BK screen file: load address 001000 (0x0200), not the screen's 040000 (0x4000)."},
        {"sbk512_mnu", "long.bin", bin + "\x01",
         "Not a BK screen file: 1 byte more than the 16384 bytes its header declares."},
        {"sbk64_mnu", "screen.bin", bin,
         "A BIN file holds a whole screen: open it in color256x256 or mono512x256."},
        {"sbk256_mnu", "sum.wav",
         text_of(bk::wav::file_bytes(tape::write_samples(header, tape_screen, 0x1234), 44100)),
         "\"pic\", load address 040000 (0x4000), 16384 bytes, checksum wrong (the tape says "
         "0x1234, the data add up to 0xC003)."},
        {"sbk512_mnu", "cut.wav", text_of(cut),
         "The tape ends in the data of \"pic\", after 8087 bytes of 16384."},
        {"sbk256_mnu", "hum.WAV",
         text_of(bk::wav::file_bytes(std::vector<std::int16_t>(44100), 44100)),
         "Not a BK tape: no steady pilot tone of 2048 cycles."},
        {"sbk256_mnu", "text.wav", "notes", "Not a WAV file: no RIFF WAVE header."},
        {"sbk256_mnu", "sprite.wav",
         text_of(tape::wav_bytes({01000, 1024, tape::name_from("bbd")},
                                 std::vector<std::uint8_t>(1024))),
         "Not a BK screen file: load address 001000 (0x0200), not the screen's 040000 (0x4000)."},
        {"sbk64_mnu", "screen.wav", text_of(tape::wav_bytes(header, tape_screen)),
         "A tape holds a whole screen: open it in color256x256 or mono512x256."}};
}

TEST(OpenRefusals, AreReportedAndChangeNothing) {
    for (const Refusal& r : refusals()) {
        SCOPED_TRACE(r.name);
        ViewerRig rig(viewer_defaults_ini);
        rig.choose(r.mode);
        rig.open_bytes("first.pic", "");
        if (r.bytes) write_text(rig.files / r.name, *r.bytes);
        rig.expect_refused(r.name.empty() ? rig.files.path() : rig.files / r.name,
                           {r.text, r.title, Buttons::ok, Icon::exclamation}, "rdraw_mnu");
    }
}

}  // namespace
