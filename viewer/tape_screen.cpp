#include "viewer/tape_screen.h"

#include <cctype>

#include "formats/bin_file.h"
#include "formats/tape.h"
#include "platform/whole_input.h"
#include "viewer/bin_screen.h"
#include "viewer/file_kind.h"

namespace viewer {
namespace {

namespace tape = bk::tape;

// A reader's words as the sentence of a message box.
std::string sentence(std::string text) {
    if (!text.empty()) text[0] = char(std::toupper(static_cast<unsigned char>(text[0])));
    return text + ".";
}

}  // namespace

bool is_tape_name(const std::string& path) {
    return has_extension(path, ".wav");
}

TapeBin bin_on_tape(std::span<const std::uint8_t> wav_file, int number) {
    const tape::TakenFile taken = tape::take_file(wav_file, number);
    if (!taken.file) return {{}, taken.error};
    const tape::Header& h = taken.file->header;
    return {bk::bin::file_bytes({h.address, h.length}, taken.file->data), {}};
}

BkFileRead read_tape_screen(const std::string& path, WindowMode mode, FileBuffer& buffer) {
    if (mode == WindowMode::color64x64)
        return refused("A tape holds a whole screen: open it in color256x256 or mono512x256.");
    const platform::WholeInput file = platform::read_whole_input(path, tape::wav_read_limit);
    if (auto failed = unread(file)) return *failed;
    const auto* first = reinterpret_cast<const std::uint8_t*>(file.bytes.data());
    const TapeBin taken = bin_on_tape({first, file.bytes.size()}, 1);
    if (!taken.error.empty()) return refused(sentence(taken.error));
    return take_bin_screen(taken.bin, mode, 0, buffer);
}

}  // namespace viewer
