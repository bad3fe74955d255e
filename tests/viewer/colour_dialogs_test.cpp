// "Change color" (Form5) and "Change BW" (Form6): the colour buttons, the
// swatches, and the maps they set, clicked or through assistive technology.
#include <gtest/gtest.h>

#include <QPointer>
#include <QPushButton>

#include "tests/support/accessible_action.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/colour_swatches.h"

namespace {

using namespace viewer_testing;
using viewer::ColourButton;
using viewer::ColourSwatch;
using Colours = std::vector<std::int32_t>;

constexpr std::int32_t navy = 8388608;

struct DialogRig : ViewerRig {
    DialogRig() : ViewerRig(viewer_defaults_ini) {
        form->show();
        open_bytes("s.pic", std::string(16384, '\0'));
    }
    // Change_colors in color256x256 or, with `mono`, in mono512x256.
    QWidget* show_dialog(bool mono) {
        choose(mono ? "sbk512_mnu" : "sbk256_mnu");
        choose("chcol_mnu");
        return top_level(mono ? "Form6" : "Form5");
    }
    static ColourButton* option(QWidget* dialog, int n) {
        return dialog->findChild<ColourButton*>(QString("Option%1").arg(n));
    }
    static std::vector<int> pressed(QWidget* dialog) {
        std::vector<int> numbers;
        for (int n = 1; n <= 16; ++n) {
            if (option(dialog, n)->isChecked()) numbers.push_back(n);
        }
        return numbers;
    }
    // The swatches' colours, Label2 first.
    static Colours swatches(QWidget* dialog) {
        Colours colours;
        for (int n = 2; auto* swatch = dialog->findChild<ColourSwatch*>(QString("Label%1").arg(n));
             n += 2)
            colours.push_back(swatch->colour());
        return colours;
    }
    Colours maps() const {
        Colours all(state.maps.colour.begin(), state.maps.colour.end());
        all.insert(all.end(), state.maps.mono.begin(), state.maps.mono.end());
        return all;
    }
};

// A swatch takes the colour of the dialog's pressed button, which both
// dialogs share; each dialog keeps its pressed button when it closes. A
// screen reader's toggle and press do what clicks do.
TEST(ColourDialogs, AColourButtonThenASwatchSetsTheMapClickedOrAccessibly) {
    // dialog, control ("" only shows the dialog), then the dialog colour, the
    // dialog's pressed button, the maps
    const std::tuple<bool, const char*, std::int32_t, int, Colours> steps[] = {
        {true, "Label4", green, 1, {black, blue, green, red, black, green}},
        {false, "Option15", white, 15, {black, blue, green, red, black, green}},
        {false, "Label8", white, 15, {white, blue, green, red, black, green}},
        {false, "Option11", blue, 11, {white, blue, green, red, black, green}},
        {false, "Label2", blue, 11, {white, blue, green, blue, black, green}},
        {false, "Option16", black, 16, {white, blue, green, blue, black, green}},
        {false, "Option16", black, 16, {white, blue, green, blue, black, green}},
        {true, "Option7", red, 7, {white, blue, green, blue, black, green}},
        {true, "Label2", red, 7, {white, blue, green, blue, red, green}},
        {false, "Label6", red, 16, {white, red, green, blue, red, green}},
        {false, "Option16", black, 16, {white, red, green, blue, red, green}},
        {false, "Command1", black, 16, {white, red, green, blue, red, green}},
        {false, "", black, 16, {white, red, green, blue, red, green}}};
    for (bool accessibly : {false, true}) {
        DialogRig rig;
        for (const auto& [mono, control, colour, pressed, maps] : steps) {
            SCOPED_TRACE(std::string(control) + (accessibly ? " accessibly" : " clicked"));
            QPointer<QWidget> dialog = rig.show_dialog(mono);
            ASSERT_NE(dialog, nullptr);
            if (auto* button = dialog->findChild<QAbstractButton*>(control)) {
                accessibly ? operate_accessibly(*button) : button->click();
            }
            flush_deletes();
            EXPECT_EQ(rig.state.dialog_colour, colour);
            if (dialog) {  // the colour map's swatches run from index 3 (red) to 0 (black)
                EXPECT_EQ(rig.pressed(dialog), std::vector<int>{pressed});
                EXPECT_EQ(rig.swatches(dialog),
                          (mono ? Colours{maps[4], maps[5]}
                                : Colours{maps[3], maps[2], maps[1], maps[0]}));
            }
            EXPECT_EQ(rig.state.pressed(mono ? viewer::ColourDialog::change_bw
                                             : viewer::ColourDialog::change_color),
                      pressed - 1);
            EXPECT_EQ(rig.maps(), maps);
        }
    }
}

TEST(ColourDialogs, TheNewMapShowsAtTheNextDrawing) {
    DialogRig rig;
    QWidget* dialog = rig.show_dialog(false);
    ASSERT_NE(dialog, nullptr);
    rig.option(dialog, 12)->click();
    dialog->findChild<ColourSwatch*>("Label8")->click();
    EXPECT_EQ(rig.pixel(0, 0), black);
    rig.choose("rdraw_mnu");
    EXPECT_EQ(rig.pixel(0, 0), navy);
}

}  // namespace
