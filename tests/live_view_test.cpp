// Live_view in both converter windows: with it on, steering a shown result
// through its own control draws at once what View would show, in one paint;
// off, or once Redraw, a window mode or Open showed the picture again,
// nothing changes until View.
#include <gtest/gtest.h>

#include <QAbstractSlider>
#include <QMainWindow>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <memory>

#include "converter/m11_window.h"
#include "converter/main_window.h"
#include "tests/support/accessible_action.h"
#include "tests/support/main_window_rig.h"
#include "tests/support/paint_counter.h"
#include "tests/support/param_names.h"

namespace {

using namespace testing_support;

// Handles events until the picture window has painted, and then for longer
// than a screen frame: any other paint has come by then, and the window
// would show at once what is drawn next.
void settle(const PaintCounter& counter) {
    EXPECT_TRUE(QTest::qWaitFor([&] { return counter.paints > 0; }, 5000)) << "never painted";
    QTest::qWait(40);
}

// Answers from the script, but first handles the events waiting, as the
// event loop of a real message box does.
struct EventfulModal : platform::ScriptedModal {
    platform::Answer message_box(std::string_view text, std::string_view title,
                                 platform::Buttons buttons, platform::Icon icon) override {
        QApplication::processEvents();
        return ScriptedModal::message_box(text, title, buttons, icon);
    }
};

// A converter window, shown, with a picture larger than the screens, from
// a folder of the test's own where Convert writes.
struct LiveRig {
    explicit LiveRig(bool m11) {
        if (m11)
            window = std::make_unique<converter::Form6>(state, modal);
        else
            window = std::make_unique<converter::Form1>(state, modal);
        window->show();
        std::filesystem::copy_file(sample("gradient.jpg"), picture_file);  // 530 x 300
        modal.files.push_back(picture_file);
        choose("open_mnu");
    }
    ~LiveRig() {
        window.reset();
        flush_deletes();
    }
    template <class Control = QObject>
    Control* find(const char* top, const char* name) {
        return top_level(top)->findChild<Control*>(name);
    }
    void choose(const char* item) { window->findChild<QAction*>(item)->trigger(); }
    QWidget& picture() const { return *window->findChild<QWidget*>("Picture1"); }
    QImage shown() const { return static_cast<platform::PictureWindow&>(picture()).image(); }

    TempFolder folder;
    const std::string picture_file = folder / "gradient.jpg";
    converter::ConverterState state{folder.path()};
    EventfulModal modal;
    std::unique_ptr<QMainWindow> window;
};

void move_slider(LiveRig& rig, const char* dialog_item, const char* dialog, const char* slider) {
    rig.choose(dialog_item);
    auto* control = rig.find<QAbstractSlider>(dialog, slider);
    for (int value : {20, 90, 240}) control->setValue(value);  // a drag, ending at 240
}

struct LiveCase {
    const char* name;
    bool m11;
    const char* mode_item;  // chosen first, unless null
    const char* shown_by;   // the command that shows the result first
    const char* view_item;
    void (*steer)(LiveRig&);
    const char* fit_item = nullptr;  // with Fit_to_window, unless null
};

void PrintTo(const LiveCase& c, std::ostream* os) {
    *os << c.name;
}

const LiveCase live_cases[] = {
    {"BwSlider", false, "s512_mnu", "vm_mnu", "vm_mnu",
     [](LiveRig& rig) { move_slider(rig, "bwlev_mnu", "Form2", "Slider1"); }},
    {"SwapButtonAccessibly", false, nullptr, "vcol_mnu", "vcol_mnu",
     [](LiveRig& rig) {
         rig.choose("changecol_mnu");
         operate_accessibly(*rig.find("Form4", "Check1"));
     }},
    {"DitherItemAccessibly", false, nullptr, "vcol_mnu", "vcol_mnu",
     [](LiveRig& rig) { operate_accessibly(*rig.find("Form1", "datk_mnu")); }},
    {"ScrollBar", false, "s512_mnu", "vm_mnu", "vm_mnu",
     [](LiveRig& rig) { rig.find<QScrollBar>("Form1", "HScroll1")->setValue(15); }},
    {"FitToWindow", false, nullptr, "vcol_mnu", "vcol_mnu",
     [](LiveRig& rig) { rig.choose("ftw_mnu"); }},
    {"FillCutPanned", false, nullptr, "vcol_mnu", "vcol_mnu",
     [](LiveRig& rig) { rig.find<QScrollBar>("Form1", "HScroll1")->setValue(3); }, "ftwfill_mnu"},
    {"ColourSlider11M", true, nullptr, "vcol_mnu", "vcol_mnu",
     [](LiveRig& rig) { move_slider(rig, "collev_mnu", "Form3", "Slider3"); }},
    {"SizeButton11M", true, "mono_col_mnu", "vm_mnu", "vm_mnu",
     [](LiveRig& rig) { rig.find<QToolButton>("Form6", "Command4")->click(); }},
    {"BwSliderAfterConvert11M", true, "mono_col_mnu", "convbw_mnu", "vm_mnu",
     [](LiveRig& rig) { move_slider(rig, "bwlev_mnu", "Form2", "Slider1"); }},
};

class LiveView : public ::testing::TestWithParam<LiveCase> {};

TEST_P(LiveView, DrawsAtOnceWhatViewShows) {
    const LiveCase& c = GetParam();
    LiveRig rig(c.m11);
    if (c.mode_item != nullptr) rig.choose(c.mode_item);
    if (c.fit_item != nullptr) {
        rig.choose(c.fit_item);
        rig.choose("ftw_mnu");
    }
    operate_accessibly(*rig.window->findChild<QAction*>("liveview_mnu"));
    ASSERT_TRUE(rig.state.live_view);
    PaintCounter counter;
    rig.picture().installEventFilter(&counter);
    rig.choose(c.shown_by);
    settle(counter);
    const QImage before = rig.shown();
    counter.paints = 0;

    c.steer(rig);
    settle(counter);
    const QImage live = rig.shown();
    EXPECT_EQ(counter.paints, 1) << "not painted once";
    rig.choose(c.view_item);
    EXPECT_FALSE(live == before) << "the control changed nothing";
    EXPECT_TRUE(live == rig.shown()) << "not what View shows";
}

INSTANTIATE_TEST_SUITE_P(Steering, LiveView, ::testing::ValuesIn(live_cases), printed_name);

TEST(LiveViewOff, OrOnceThePictureShowsAgainASliderChangesNothingUntilView) {
    LiveRig rig(false);
    rig.choose("s512_mnu");
    rig.choose("vm_mnu");
    move_slider(rig, "bwlev_mnu", "Form2", "Slider1");
    QApplication::processEvents();
    const QImage first = rig.shown();
    rig.choose("vm_mnu");
    EXPECT_FALSE(rig.shown() == first) << "View shows the level the slider set";

    rig.choose("liveview_mnu");
    int value = 0;
    for (const char* item : {"rdraw_mnu", "s512_mnu", "open_mnu"}) {
        rig.choose("vm_mnu");
        if (item == std::string("open_mnu")) rig.modal.files.push_back(rig.picture_file);
        rig.choose(item);
        const QImage picture = rig.shown();
        rig.find<QAbstractSlider>("Form2", "Slider1")->setValue(value += 50);
        QApplication::processEvents();
        EXPECT_TRUE(rig.shown() == picture) << item;
    }
}

// A drawing still waiting when Convert asks "File exist. Rewrite?" leaves
// the picture alone: the file is the picture's conversion, not the result's
// converted again (where red turns green and green blue, red would be blue).
TEST(LiveView, AConvertConvertsThePictureWhateverIsWaiting) {
    LiveRig rig(true);
    rig.state.swap_flags[0] = rig.state.swap_flags[4] = true;
    rig.choose("liveview_mnu");
    rig.choose("convcol_mnu");
    const std::string file = rig.folder / "gradient.11M";
    const std::vector<std::uint8_t> converted = read_bytes(file);
    rig.choose("dfs_mnu");  // draws again once the events are handled
    rig.choose("dnone_mnu");
    rig.modal.answers = {platform::Answer::yes};
    rig.choose("convcol_mnu");
    EXPECT_EQ(read_bytes(file), converted);
}

}  // namespace
