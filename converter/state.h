#pragma once
// What the whole converter shares for one run: levels, change-colour flags
// and output catalogs. Nothing of it but the catalogs is ever stored.
#include <string>

#include "catalogs/catalogs.h"
#include "converter/dither.h"
#include "converter/rules.h"

namespace converter {

struct ConverterState {
    explicit ConverterState(std::string program_folder)
        : catalogs(catalogs::converter_settings(), std::move(program_folder)) {}

    int bw_level = 128;
    ColourLevels colour_levels;
    SwapFlags swap_flags{};
    Dither dither = Dither::none;  // chosen in either window's Dither menu
    catalogs::Catalogs catalogs;
};

}  // namespace converter
