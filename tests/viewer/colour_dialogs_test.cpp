// "Change color" (Form5) and "Change BW" (Form6): the 16 colour buttons,
// the swatches, and the maps they set.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "tests/support/accessible_action.h"
#include "tests/viewer/viewer_rig.h"
#include "viewer/colour_swatches.h"

namespace {

using namespace viewer_testing;
using viewer::ColourButton;
using viewer::ColourSwatch;

struct DialogRig : ViewerRig {
    DialogRig() : ViewerRig(viewer_defaults_ini) {
        form->show();
        open_bytes("s.pic", std::string(16384, '\0'));
    }
    // Change_colors in the colour modes or, with `mono`, in mono512x256.
    QWidget* show_dialog(bool mono) {
        choose(mono ? "sbk512_mnu" : "sbk256_mnu");
        choose("chcol_mnu");
        return top_level(mono ? "Form6" : "Form5");
    }
    static ColourButton* option(QWidget* dialog, int n) {
        return dialog->findChild<ColourButton*>(QString("Option%1").arg(n));
    }
    static ColourSwatch* swatch(QWidget* dialog, int n) {
        return dialog->findChild<ColourSwatch*>(QString("Label%1").arg(n));
    }
    static std::vector<int> pressed(QWidget* dialog) {
        std::vector<int> numbers;
        for (int n = 1; n <= 16; ++n) {
            if (option(dialog, n)->isChecked()) numbers.push_back(n);
        }
        return numbers;
    }
};

std::int32_t fill_of(QLabel* label) {
    return packed(label->palette().color(QPalette::Window).rgb());
}

TEST(ColourDialogs, SixteenColourButtonsInTwoRowsOfEight) {
    DialogRig rig;
    const std::int32_t colours[] = {65280,    32768,   65535,    32896,   33023,    16512,
                                    255,      128,     16776960, 8421376, 16711680, 8388608,
                                    16711935, 8388736, 16777215, 0};
    for (bool mono : {false, true}) {
        QWidget* dialog = rig.show_dialog(mono);
        ASSERT_NE(dialog, nullptr) << mono;
        auto* colors = dialog->findChild<QGroupBox*>(mono ? "Frame3" : "Frame5");
        ASSERT_NE(colors, nullptr);
        EXPECT_EQ(colors->title(), "Colors");
        const QPoint first = rig.option(dialog, 1)->pos();
        for (int n = 1; n <= 16; ++n) {
            ColourButton* button = rig.option(dialog, n);
            ASSERT_NE(button, nullptr) << n;
            EXPECT_EQ(button->parentWidget(), colors);
            EXPECT_EQ(button->colour(), colours[n - 1]) << n;
            EXPECT_TRUE(button->text().isEmpty()) << n;
            EXPECT_FALSE(button->accessibleName().isEmpty()) << n;
            EXPECT_EQ(button->geometry(),
                      QRect(first + QPoint((n - 1) % 8 * 32, (n - 1) / 8 * 32), QSize(21, 21)))
                << n;
        }
        EXPECT_EQ(rig.pressed(dialog), std::vector<int>{1});
    }
}

TEST(ColourDialogs, ChangeColorShowsTheColourMap) {
    DialogRig rig;
    rig.state.maps.colour = {white, green, blue, red};
    QWidget* dialog = rig.show_dialog(false);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Change color");
    EXPECT_EQ(dialog->size(), QSize(279, 351));
    // frame caption, fixed colour, mapped colour (Label2: index 3 ... Label8: index 0)
    const std::tuple<const char*, std::int32_t, std::int32_t> frames[] = {
        {"Red", red, red}, {"Green", green, blue}, {"Blue", blue, green}, {"Black", black, white}};
    for (int f = 0; f < 4; ++f) {
        const auto& [caption, fixed, mapped] = frames[f];
        auto* frame = dialog->findChild<QGroupBox*>(QString("Frame%1").arg(f + 1));
        ASSERT_NE(frame, nullptr);
        EXPECT_EQ(frame->title(), caption);
        EXPECT_EQ(frame->size(), QSize(265, 47));
        EXPECT_EQ(fill_of(dialog->findChild<QLabel*>(QString("Label%1").arg(2 * f + 1))), fixed);
        EXPECT_EQ(rig.swatch(dialog, 2 * f + 2)->colour(), mapped) << caption;
        EXPECT_EQ(rig.swatch(dialog, 2 * f + 2)->size(), QSize(20, 20));
        EXPECT_EQ(frame->findChild<QLabel*>(QString("Arrow%1").arg(f + 1))->text(),
                  "----------------------------------->");
    }
    EXPECT_EQ(dialog->findChild<QPushButton*>("Command1")->text(), "Ok");
}

TEST(ColourDialogs, ChangeBwShowsTheMonoMap) {
    DialogRig rig;
    rig.state.maps.mono = {blue, red};
    QWidget* dialog = rig.show_dialog(true);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Change BW");
    EXPECT_EQ(dialog->size(), QSize(279, 247));
    EXPECT_EQ(dialog->findChild<QGroupBox*>("Frame1")->title(), "Black");
    EXPECT_EQ(dialog->findChild<QGroupBox*>("Frame2")->title(), "White");
    EXPECT_EQ(fill_of(dialog->findChild<QLabel*>("Label1")), black);
    EXPECT_EQ(fill_of(dialog->findChild<QLabel*>("Label3")), white);
    EXPECT_EQ(rig.swatch(dialog, 2)->colour(), blue);
    EXPECT_EQ(rig.swatch(dialog, 4)->colour(), red);
    EXPECT_EQ(top_level("Form5"), nullptr);
}

TEST(ColourDialogs, AColourButtonThenASwatchSetsTheMapForTheNextDrawing) {
    DialogRig rig;
    QPointer<QWidget> dialog = rig.show_dialog(false);
    ASSERT_NE(dialog, nullptr);
    rig.option(dialog, 15)->click();  // white
    EXPECT_EQ(rig.state.dialog_colour, white);
    EXPECT_EQ(rig.state.maps.colour[0], black);
    rig.swatch(dialog, 8)->click();
    EXPECT_EQ(rig.swatch(dialog, 8)->colour(), white);
    EXPECT_EQ(rig.state.maps.colour, (std::array<std::int32_t, 4>{white, blue, green, red}));
    EXPECT_EQ(rig.pixel(0, 0), black);  // nothing is redrawn yet
    rig.swatch(dialog, 2)->click();     // one colour for several indices
    EXPECT_EQ(rig.state.maps.colour, (std::array<std::int32_t, 4>{white, blue, green, white}));
    dialog->findChild<QPushButton*>("Command1")->click();
    flush_deletes();
    EXPECT_TRUE(dialog.isNull());
    rig.choose("rdraw_mnu");
    EXPECT_EQ(rig.pixel(0, 0), white);
}

TEST(ColourDialogs, ASwatchAloneTakesThePressedButtonsColour) {
    DialogRig rig;
    QWidget* dialog = rig.show_dialog(true);
    ASSERT_NE(dialog, nullptr);
    rig.swatch(dialog, 4)->click();  // bit 1 becomes green, Option1's colour
    EXPECT_EQ(rig.state.maps.mono, (std::array<std::int32_t, 2>{black, green}));
    rig.option(dialog, 11)->click();
    rig.swatch(dialog, 2)->click();
    EXPECT_EQ(rig.state.maps.mono, (std::array<std::int32_t, 2>{blue, green}));
    EXPECT_EQ(rig.state.maps.colour, viewer::ColourMaps().colour);
}

TEST(ColourDialogs, EachDialogKeepsItsPressedButtonAndTheColourIsShared) {
    DialogRig rig;
    QPointer<QWidget> colour = rig.show_dialog(false);
    ASSERT_NE(colour, nullptr);
    rig.option(colour, 5)->click();
    rig.option(colour, 12)->click();
    EXPECT_EQ(rig.pressed(colour), std::vector<int>{12});

    QPointer<QWidget> mono = rig.show_dialog(true);  // both open at once
    ASSERT_NE(mono, nullptr);
    EXPECT_FALSE(colour.isNull());
    EXPECT_EQ(rig.pressed(mono), std::vector<int>{1});
    EXPECT_EQ(rig.state.dialog_colour, green);  // loading Form6 pressed its Option1
    rig.swatch(colour, 6)->click();             // Form5 assigns the shared colour
    EXPECT_EQ(rig.state.maps.colour[1], green);
    rig.option(mono, 7)->click();

    colour->close();
    mono->close();
    flush_deletes();
    QWidget* again = rig.show_dialog(false);
    ASSERT_NE(again, nullptr);
    EXPECT_EQ(rig.pressed(again), std::vector<int>{12});
    EXPECT_EQ(rig.state.dialog_colour, 8388608);  // navy
    EXPECT_EQ(rig.swatch(again, 6)->colour(), green);
    again->close();
    QWidget* mono_again = rig.show_dialog(true);
    ASSERT_NE(mono_again, nullptr);
    EXPECT_EQ(rig.pressed(mono_again), std::vector<int>{7});
    EXPECT_EQ(rig.state.dialog_colour, red);
}

// A screen reader toggles a colour button and presses a swatch through their
// accessible actions: the swatch must take the colour just chosen.
TEST(ColourDialogs, AssistiveTechnologyAssignsColoursAsClicksDo) {
    DialogRig rig;
    using Maps = std::pair<std::array<std::int32_t, 4>, std::array<std::int32_t, 2>>;
    const Maps start{{black, blue, green, red}, {black, white}};
    // dialog, control, the current dialog colour and the maps after it
    const std::tuple<bool, const char*, std::int32_t, Maps> steps[] = {
        {false, "Option15", white, start},
        {false, "Label8", white, {{white, blue, green, red}, {black, white}}},
        {false, "Option11", blue, {{white, blue, green, red}, {black, white}}},
        {false, "Label2", blue, {{white, blue, green, blue}, {black, white}}},
        {true, "Option7", red, {{white, blue, green, blue}, {black, white}}},
        {true, "Label4", red, {{white, blue, green, blue}, {black, red}}}};
    for (const auto& [mono, control, colour, maps] : steps) {
        QWidget* dialog = rig.show_dialog(mono);
        ASSERT_NE(dialog, nullptr) << control;
        operate_accessibly(*dialog->findChild<QAbstractButton*>(control));
        EXPECT_EQ(rig.state.dialog_colour, colour) << control;
        EXPECT_EQ(Maps(rig.state.maps.colour, rig.state.maps.mono), maps) << control;
    }
}

TEST(ColourDialogs, PressingAnotherButtonLetsGoOfTheLastOne) {
    DialogRig rig;
    QWidget* dialog = rig.show_dialog(false);
    ASSERT_NE(dialog, nullptr);
    for (int n : {16, 3, 3, 9}) {
        rig.option(dialog, n)->click();
        EXPECT_EQ(rig.pressed(dialog), std::vector<int>{n});
        EXPECT_EQ(rig.state.dialog_colour, rig.option(dialog, n)->colour());
    }
}

TEST(ColourDialogs, OpenAtTheMainWindowsCornerAndRaisedWhenChosenAgain) {
    DialogRig rig;
    rig.form->move(40, 30);
    QWidget* dialog = rig.show_dialog(false);
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    EXPECT_FALSE(dialog->isModal());
    rig.option(dialog, 4)->click();
    dialog->move(300, 300);
    EXPECT_EQ(rig.show_dialog(false), dialog);  // the same dialog, not loaded again
    EXPECT_EQ(dialog->pos(), rig.form->pos());
    EXPECT_EQ(rig.pressed(dialog), std::vector<int>{4});
}

}  // namespace
