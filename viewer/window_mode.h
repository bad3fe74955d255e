#pragma once
// The main window's three window modes: what Open looks for and accepts in
// each, the size of the picture window, and which decoder draws the file
// buffer on each occasion.
#include <cstddef>

#include "formats/bk_screen.h"
#include "platform/modal.h"
#include "viewer/drawing.h"

namespace viewer {

enum class WindowMode { color64x64, color256x256, mono512x256 };

// The screen whose area the picture window takes: color64x64 the BBD
// sprite (64 x 64), color256x256 the colour PIC (256 x 256), mono512x256 the
// monochrome PIC (512 x 256).
const bk::ScreenLayout& picture_layout(WindowMode mode);

// The largest file Open accepts: that screen's file size, 1024 bytes in
// color64x64 and 16384 in the other modes.
std::size_t size_limit(WindowMode mode);

// The Open dialog's default extension and filter: BBD files in
// color64x64, PIC files, then BIN screens and WAV tapes (in any letter
// case: sound recorders name their files .WAV) in the other modes.
platform::OpenRequest open_request(WindowMode mode);

// Open and Redraw draw by the mode alone.
Decoder decoder_for(WindowMode mode);

// A change of mode with a file loaded draws a short file (fewer than 16384
// bytes) as a sprite in every mode, and a whole screen by the mode, except
// that color64x64 shows it through drawcolorpic over the 64 x 64 area.
Decoder decoder_after_mode_change(WindowMode mode, bool short_file);

}  // namespace viewer
