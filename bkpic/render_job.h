#pragma once
// Drawing one BK file as a fresh viewer window does: a .pic or .bbd file
// into the picture window of a window mode, an 11M file into a window sized
// by its header, through the colour map and mono map.
#include <QImage>
#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "engine/true_shape.h"
#include "viewer/palette.h"
#include "viewer/window_mode.h"

namespace bkpic {

struct RenderSettings {
    std::optional<viewer::WindowMode> as;  // --as; otherwise by header and extension
    bool mono = false;                     // 11M files: the monochrome reading
    int tape_file = 1;                     // .wav tapes: which file, from 1
    viewer::ColourMaps maps;
    bool true_shape = false;  // each BK pixel in its true shape (engine/true_shape.h)
};

struct Rendered {
    QImage picture;     // what the window shows, or with true_shape as the BK shows it
    std::string error;  // set when the file was refused or could not be read
    converter::PixelShape pixel = converter::colour_pixel;  // of the BK pixels drawn
};

// Draws the bytes of a file named `name` (only its extension counts; "-"
// has none). A .wav tape: its file `tape_file`, as a .bin of its address,
// length and data. An 11M file next, as the viewer opens one only in its 11M
// window: one named ".11M", letter case aside as in the viewer's open
// dialogs, or one of a name other than ".pic" or ".bbd" that starts with
// the 11M signature. Any other file with --as as a screen in that mode,
// else by extension: ".bbd" as a sprite, anything else as a colour screen.
// `length` is the file's whole length, when `file` holds only its first bytes.
// With true_shape each pixel is drawn `pixel` PC pixels large, so that a
// whole screen is 1024 x 768.
Rendered render_bytes(std::span<const std::uint8_t> file, const std::string& name,
                      const RenderSettings& settings, std::uint64_t length = 0);

}  // namespace bkpic
