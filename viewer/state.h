#pragma once
// What the whole viewer shares for one run: the colour map and mono map,
// the colour dialogs' current colour and pressed buttons, and the BMP
// catalog. Only the catalog is ever stored (in orvak.ini); everything else
// starts at its initial value on every run.
#include <array>
#include <cstdint>
#include <string>

#include "catalogs/catalogs.h"
#include "viewer/palette.h"

namespace viewer {

// The two colour dialogs, each with its own pressed colour button.
enum class ColourDialog { change_color = 0, change_bw = 1 };

struct ViewerState {
    explicit ViewerState(platform::ProgramFolders folders)
        : catalogs(catalogs::viewer_settings(), std::move(folders)) {}
    // Settings file and default catalogs both in `program_folder`.
    explicit ViewerState(const std::string& program_folder)
        : catalogs(catalogs::viewer_settings(), program_folder) {}

    ColourMaps maps;
    // The colour that a click on a swatch assigns; one for both dialogs.
    std::int32_t dialog_colour = dialog_colours[0].packed;
    // Per dialog, the index (0 = Option1) of its pressed colour button.
    std::array<int, 2> pressed_button{0, 0};
    catalogs::Catalogs catalogs;

    // Presses colour button `button` of a dialog: its colour becomes the
    // current dialog colour.
    void press(ColourDialog dialog, int button) {
        pressed_button.at(static_cast<int>(dialog)) = button;
        dialog_colour = dialog_colours.at(button).packed;
    }
    int pressed(ColourDialog dialog) const { return pressed_button.at(static_cast<int>(dialog)); }
};

}  // namespace viewer
