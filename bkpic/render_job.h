#pragma once
// Drawing one BK file as a fresh viewer window does: a .pic or .bbd file
// into the picture window of a window mode, an 11M file into a window sized
// by its header, through the colour map and mono map.
#include <QImage>
#include <optional>
#include <string>

#include "viewer/palette.h"
#include "viewer/window_mode.h"

namespace bkpic {

struct RenderSettings {
    std::optional<viewer::WindowMode> as;  // --as; otherwise by header and extension
    bool mono = false;                     // 11M files: the monochrome reading
    viewer::ColourMaps maps;
};

struct Rendered {
    QImage picture;     // what the window shows
    std::string error;  // set when the file was refused or could not be read
};

Rendered render_file(const std::string& path, const RenderSettings& settings);

}  // namespace bkpic
