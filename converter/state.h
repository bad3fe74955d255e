#pragma once
// What the whole converter shares for one run: levels, change-colour flags,
// the ditherer, the fit shape and output catalogs. Nothing of it but the
// catalogs is ever stored.
#include <string>

#include "catalogs/catalogs.h"
#include "engine/dither.h"
#include "engine/rules.h"
#include "engine/screen_file.h"
#include "engine/true_shape.h"

namespace converter {

struct ConverterState {
    explicit ConverterState(platform::ProgramFolders folders)
        : catalogs(catalogs::converter_settings(), std::move(folders)) {}
    // Settings file and default catalogs both in `program_folder`.
    explicit ConverterState(const std::string& program_folder)
        : catalogs(catalogs::converter_settings(), program_folder) {}

    int bw_level = 128;
    ColourLevels colour_levels;
    SwapFlags swap_flags{};
    Dither dither = Dither::none;            // chosen in either window's Dither menu
    FitShape fit_shape = FitShape::stretch;  // chosen with either window's Fit_ items
    bool live_view = false;        // the Live_view item of the Mono and Color menus
    catalogs::Catalogs catalogs;

    Conversion conversion() const { return {bw_level, colour_levels, swap_flags, dither}; }
};

}  // namespace converter
